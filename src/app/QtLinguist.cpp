#include "app/QtLinguist.h"

#include "app/DDataManager.h"

#include <QCoreApplication>
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
    if (!m_translator.load(m_translationDir + m_languageFiles.value(language)))
        return false;
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::installTranslator(&m_translator);
    return true;
}
