#include "app/QtLinguist.h"

#include "app/DDataManager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMetaEnum>
#include <utility>

namespace {
// Chinese is split by country below; every language not listed is English.
constexpr std::pair<QLocale::Language, QtLinguist::Language> kLocaleLanguages[] = {
    {QLocale::English, QtLinguist::English},     {QLocale::Japanese, QtLinguist::Japanese},
    {QLocale::Korean, QtLinguist::Korean},       {QLocale::Russian, QtLinguist::Russian},
    {QLocale::Arabic, QtLinguist::Arabic},       {QLocale::Spanish, QtLinguist::Spanish},
    {QLocale::Portuguese, QtLinguist::Portugal}, {QLocale::German, QtLinguist::German},
    {QLocale::Italian, QtLinguist::Italian},     {QLocale::Polish, QtLinguist::Polish},
    {QLocale::French, QtLinguist::French},       {QLocale::Ukrainian, QtLinguist::Ukrainian},
    {QLocale::Czech, QtLinguist::Czech},
};

// Also the language tag of each translation file; Qt's own catalogue for
// the locale lies in Qt's translation folder ("qt_de.qm", "qt_pt_PT.qm").
constexpr std::pair<QtLinguist::Language, const char*> kLocaleNames[] = {
    {QtLinguist::Zh_SM, "zh_CN"}, {QtLinguist::Zh_TR, "zh_TW"},  {QtLinguist::English, "en"},
    {QtLinguist::Japanese, "ja"}, {QtLinguist::Korean, "ko"},    {QtLinguist::Russian, "ru"},
    {QtLinguist::Arabic, "ar"},   {QtLinguist::Spanish, "es"},   {QtLinguist::Portugal, "pt_PT"},
    {QtLinguist::German, "de"},   {QtLinguist::Italian, "it"},   {QtLinguist::Polish, "pl"},
    {QtLinguist::French, "fr"},   {QtLinguist::Ukrainian, "uk"}, {QtLinguist::Czech, "cs"},
};

// Qt's European Portuguese catalogue predates Qt 5 and lacks the texts
// of its message-box buttons and file dialogs; the Brazilian one has them.
constexpr std::pair<QtLinguist::Language, const char*> kQtFallbackLocales[] = {
    {QtLinguist::Portugal, "pt_BR"},
};

QLocale qtFallbackLocaleOf(int language)
{
    for (const auto& entry : kQtFallbackLocales) {
        if (entry.first == language)
            return QLocale(QLatin1String(entry.second));
    }
    return QLocale::c();
}

QLocale localeOf(int language)
{
    for (const auto& entry : kLocaleNames) {
        if (entry.first == language)
            return QLocale(QLatin1String(entry.second));
    }
    return QLocale::c();
}
} // namespace

QtLinguist::QtLinguist(const QString& translationDir)
    : m_translationDir(translationDir.isEmpty() ? DDataManager::applicationDirPath() + QStringLiteral("/translation/")
                                                : translationDir + QLatin1Char('/'))
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_languageFiles.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
    m_currentLanguage = systemLanguage();
}

QtLinguist::~QtLinguist() = default;

int QtLinguist::languageForLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese)
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    for (const auto& entry : kLocaleLanguages) {
        if (entry.first == locale.language())
            return entry.second;
    }
    return English;
}

int QtLinguist::systemLanguage()
{
    return languageForLocale(QLocale::system());
}

int QtLinguist::systemLanguageIndex() const
{
    return systemLanguage();
}

bool QtLinguist::loadLanguage(int language)
{
    if (!m_languageFiles.contains(language))
        return false;
    if (!m_translator.load(m_translationDir + m_languageFiles.value(language))) {
        // Our texts now come out in their source form; Qt's follow them.
        QCoreApplication::removeTranslator(&m_qtTranslator);
        QCoreApplication::removeTranslator(&m_qtFallbackTranslator);
        return false;
    }
    // The translator installed last is asked first: ours, so that a text of
    // ours never takes Qt's wording. Without Qt's catalogue for the language
    // (the package missing), Qt's dialogs stay English rather than in the
    // previous language.
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    QCoreApplication::removeTranslator(&m_qtFallbackTranslator);
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    const QLocale fallback = qtFallbackLocaleOf(language);
    if (fallback != QLocale::c()
        && m_qtFallbackTranslator.load(fallback, QStringLiteral("qt"), QStringLiteral("_"), qtTranslations))
        QCoreApplication::installTranslator(&m_qtFallbackTranslator);
    if (m_qtTranslator.load(localeOf(language), QStringLiteral("qt"), QStringLiteral("_"), qtTranslations))
        QCoreApplication::installTranslator(&m_qtTranslator);
    QCoreApplication::installTranslator(&m_translator);
    // Installing a translator makes Qt take the layout direction from Qt's
    // catalogue, and the Arabic one asks for right-to-left; the frameless
    // window and the keyboard picture are laid out left-to-right only.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    return true;
}
