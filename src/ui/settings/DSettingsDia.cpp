#include "ui/settings/DSettingsDia.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "app/DUserSettingsKeys.h"
#include "app/QtLinguist.h"
#include "ui/widgets/CbNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

const char* const kThemeNames[] = {
    QT_TRANSLATE_NOOP("QObject", "Black"), QT_TRANSLATE_NOOP("QObject", "Light"), QT_TRANSLATE_NOOP("QObject", "Blue"),
    QT_TRANSLATE_NOOP("QObject", "Pink"),  QT_TRANSLATE_NOOP("QObject", "Other"),
};

// Each language in its own words, so it can be found whatever is shown.
struct LanguageEntry
{
    int language;
    const char* nativeName;
};
constexpr LanguageEntry kLanguages[] = {
    {QtLinguist::Zh_SM, "简体中文"},  {QtLinguist::Zh_TR, "繁體中文"},       {QtLinguist::English, "English"},
    {QtLinguist::Japanese, "日本語"}, {QtLinguist::Korean, "한국어"},        {QtLinguist::Russian, "Русский"},
    {QtLinguist::Arabic, "العربية"},  {QtLinguist::Spanish, "Español"},      {QtLinguist::Portugal, "Português"},
    {QtLinguist::German, "Deutsch"},  {QtLinguist::Italian, "Italiano"},     {QtLinguist::Polish, "Polski"},
    {QtLinguist::French, "Français"}, {QtLinguist::Ukrainian, "Українська"}, {QtLinguist::Czech, "Čeština"},
};

QString userSettingsPath()
{
    return DDataManager::getInstance()->userConfigDir() + DDataManager::userConfigFileName();
}

} // namespace

DSettingsDia::DSettingsDia(QWidget* parent)
    : DToolDialog(parent, QSize(460, 300))
{
    setObjectName(QStringLiteral("DSettingsDia"));
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    const QString labelStyle
        = DThemeColor::fillStyleSheet(QStringLiteral("QLabel, QCheckBox{ color: rgb(%1); }"), {theme.textDefaultColor});

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    m_themeLabel = new QLabel(this);
    m_themeBox = new QComboBox(this);
    m_themeBox->setObjectName(QStringLiteral("comboBox_Theme"));
    for (int i = 0; i < int(std::size(kThemeNames)); ++i)
        m_themeBox->addItem(QString(), i);
    m_bgImageBox = new QCheckBox(this);
    m_bgImageBox->setObjectName(QStringLiteral("checkBox_BgImage"));
    m_languageLabel = new QLabel(this);
    m_languageBox = new QComboBox(this);
    m_languageBox->setObjectName(QStringLiteral("comboBox_Language"));
    for (const LanguageEntry& entry : kLanguages)
        m_languageBox->addItem(QString::fromUtf8(entry.nativeName), entry.language);
    m_firmwareButton = new QPushButton(this);
    m_firmwareButton->setObjectName(QStringLiteral("pushButton_FirmwareCheck"));
    m_firmwareButton->setMinimumHeight(30);
    form->addRow(m_themeLabel, m_themeBox);
    form->addRow(QString(), m_bgImageBox);
    form->addRow(m_languageLabel, m_languageBox);
    form->addRow(QString(), m_firmwareButton);
    contentLayout()->addLayout(form);
    for (QWidget* w : {static_cast<QWidget*>(m_themeLabel), static_cast<QWidget*>(m_bgImageBox),
                       static_cast<QWidget*>(m_languageLabel)})
        w->setStyleSheet(labelStyle);

    m_toast = new CbNotice(this);
    m_toast->setFontPixelSize(14);

    const QSettings user(userSettingsPath(), QSettings::IniFormat);
    m_themeBox->setCurrentIndex(m_themeBox->findData(storedThemeIndex()));
    m_bgImageBox->setChecked(DDataManager::getInstance()->bgImageIsUsing());
    m_languageBox->setCurrentIndex(
        m_languageBox->findData(user.value(DUserSettingsKeys::kLanguageIndex, int(QtLinguist::English))));
    retranslate();

    connect(m_themeBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int row) { selectTheme(m_themeBox->itemData(row).toInt()); });
    connect(m_bgImageBox, &QCheckBox::clicked, this, &DSettingsDia::setBgImageUsing);
    connect(m_languageBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int row) { selectLanguage(m_languageBox->itemData(row).toInt()); });
    connect(m_firmwareButton, &QPushButton::clicked, this, &DSettingsDia::sigFirmwareUpgradeCheck);
}

void DSettingsDia::retranslate()
{
    setCaption(QObject::tr("Settings"));
    m_themeLabel->setText(QObject::tr("Theme"));
    for (int i = 0; i < m_themeBox->count(); ++i)
        m_themeBox->setItemText(i, QObject::tr(kThemeNames[m_themeBox->itemData(i).toInt()]));
    m_bgImageBox->setText(QObject::tr("Background image"));
    m_languageLabel->setText(QObject::tr("Language"));
    m_firmwareButton->setText(QObject::tr("Check firmware"));
}

int DSettingsDia::storedThemeIndex() const
{
    return QSettings(userSettingsPath(), QSettings::IniFormat).value(DUserSettingsKeys::kThemeIndex, 0).toInt();
}

void DSettingsDia::selectTheme(int themeIndex)
{
    QSettings(userSettingsPath(), QSettings::IniFormat).setValue(DUserSettingsKeys::kThemeIndex, themeIndex);
    DDataManager::getInstance()->loadTheme(themeIndex);
    emit sigChangAppTheme(themeIndex);
}

void DSettingsDia::setBgImageUsing(bool inUse)
{
    QSettings(userSettingsPath(), QSettings::IniFormat).setValue(DUserSettingsKeys::kBgImageInUse, inUse);
    DDataManager::getInstance()->setBgImageIsUsing(inUse);
    const int themeIndex = storedThemeIndex();
    DDataManager::getInstance()->loadTheme(themeIndex);
    emit sigChangAppTheme(themeIndex);
}

bool DSettingsDia::selectLanguage(int languageIndex)
{
    QSettings(userSettingsPath(), QSettings::IniFormat).setValue(DUserSettingsKeys::kLanguageIndex, languageIndex);
    auto* app = qobject_cast<DAppllication*>(QCoreApplication::instance());
    if (!app || !app->setLanguage(languageIndex))
        return false;
    retranslate();
    emit sigUpdataAllUI();
    return true;
}

void DSettingsDia::showNoUpgradeableDeviceTip()
{
    m_toast->showNoticeTextAt(QObject::tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::aboutToClose()
{
    emit sigSettingsWindowClose();
}
