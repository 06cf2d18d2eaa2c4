#include "ui/settings/DSettingsDia.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/DStartupSettings.h"
#include "app/DThemeColor.h"
#include "app/DUserSettingsKeys.h"
#include "app/QtLinguist.h"
#include "app/logCategories.h"
#include "platform/include/AutoStartEntry.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"

#include "ui_DSettingsDia.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

#include <iterator>

namespace {

// Each language in its own script, never translated; `position` is its place
// in the list.
struct LanguageName
{
    int language;
    const char16_t* name;
    int position;
};
constexpr LanguageName kLanguageNames[] = {
    {QtLinguist::Zh_SM, u"简体中文", 0},
    {QtLinguist::Zh_TR, u"繁體中文", 2},
    {QtLinguist::English, u"English", 1},
    {QtLinguist::Japanese, u"日本語", 5},
    {QtLinguist::Korean, u"한국어", 3},
    {QtLinguist::Russian, u"Русский", 4},
    {QtLinguist::Arabic, u"العربية", 12},
    {QtLinguist::Spanish, u"Español", 6},
    {QtLinguist::Portugal, u"Português", 7},
    {QtLinguist::German, u"Deutsch", 8},
    {QtLinguist::Italian, u"Italiano", 9},
    {QtLinguist::Polish, u"Polski", 10},
    {QtLinguist::French, u"Français", 11},
    {QtLinguist::Ukrainian, u"Українська", 13},
    {QtLinguist::Czech, u"Čeština", 14},
};
constexpr int kLanguageCount = int(std::size(kLanguageNames));

QString languageName(const LanguageName& entry)
{
    return QString::fromUtf16(entry.name);
}

const char* const kThemeNames[] = {
    QT_TRANSLATE_NOOP("DSettingsDia", "Dark"),  QT_TRANSLATE_NOOP("DSettingsDia", "Light"),
    QT_TRANSLATE_NOOP("DSettingsDia", "Blue"),  QT_TRANSLATE_NOOP("DSettingsDia", "Pink"),
    QT_TRANSLATE_NOOP("DSettingsDia", "Other"),
};
constexpr int kThemeCount = int(std::size(kThemeNames));

QString themeName(int themeIndex)
{
    if (themeIndex < 0 || themeIndex >= kThemeCount)
        themeIndex = 0;
    return QCoreApplication::translate("DSettingsDia", kThemeNames[themeIndex]);
}

// The link's text; the anchor is left open as the label has always shown it.
const char* const kLinkTemplate
    = QT_TRANSLATE_NOOP("DSettingsDia", "<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a "
                                        "href=\"Company|%1|\"><span style=\"font-size:12pt; text-decoration:underline; "
                                        "color:rgb(%2);\">%1</span>");

const QString kLogoImage = QStringLiteral(":/images/orvaneLogo.png");
const QString kDefaultVersion = QStringLiteral("V_1.00.00");
const QString kDefaultCompanyName = QStringLiteral("CompanyName");
const QString kDefaultCopyright = QStringLiteral("Copyright");
const QString kDefaultLink = QStringLiteral("https://orvane.example/");

// A theme colour made fully transparent, for the buttons' hover fill, which
// lets the panel show through whether or not the colour carries an alpha.
QString transparentOf(const QString& colour)
{
    const QColor c = DThemeColor::fromText(colour);
    return QStringLiteral("%1,%2,%3,0").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

DSettingsDia::DSettingsDia(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DSettingsDia)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // Rounded corners: cut to shape where no compositor blends them.
    DPopupShape::apply(this);
    setFixedSize(700, 500);
    setOwnTexts();

    ui->frame_15->hide();
    ui->frame_18->hide();
    ui->frame_19->hide();
    ui->checkBox_UsingBgImage->hide();
    ui->frame_6->hide();

    auto* pages = new QButtonGroup(this);
    pages->setExclusive(true);
    pages->addButton(ui->pushButton_General, 0);
    pages->addButton(ui->pushButton_About, 1);
    connect(pages, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(16);

    // The one place the program keeps that path, so the dialog and the
    // main window always read and write the same file.
    m_userIniPath = DDataManager::userSettingsPath();
    m_userSettings = new QSettings(m_userIniPath, QSettings::IniFormat);
    showStoredStartupChoices();

    ui->stackedWidget->setCurrentWidget(ui->page_Settings);
    ui->pushButton_General->setChecked(true);

    ui->comboBox_Language->blockSignals(true);
    ui->comboBox_Theme->blockSignals(true);
    for (int position = 0; position < kLanguageCount; ++position) {
        for (const LanguageName& entry : kLanguageNames) {
            if (entry.position == position)
                ui->comboBox_Language->addItem(languageName(entry));
        }
    }
    showStoredLanguage();
    m_themeIndex = m_userSettings->value(DUserSettingsKeys::kThemeIndex, 0).toInt();
    fillThemeBox();
    ui->comboBox_Language->blockSignals(false);
    ui->comboBox_Theme->blockSignals(false);
    ui->checkBox_UsingBgImage->setChecked(DDataManager::getInstance()->bgImageIsUsing());

    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited);
    ui->frame_LogoSet->installEventFilter(this);
    setTheme();
}

DSettingsDia::~DSettingsDia()
{
    delete m_userSettings;
    delete ui;
}

void DSettingsDia::setOwnTexts()
{
    ui->label_Title->setText(QObject::tr("Settings"));
    ui->pushButton_General->setText(QObject::tr("General"));
    ui->pushButton_About->setText(QObject::tr("About"));
    ui->label->setText(QObject::tr("Language"));
    ui->label_2->setText(QObject::tr("Theme"));
    ui->checkBox_UsingBgImage->setText(QObject::tr("Background image"));
    ui->label_3->setText(QObject::tr("Auto start"));
    ui->checkBox_AutoStart->setText(QObject::tr("Launch applications when the system starts (Minimized)"));
    ui->checkBox_Close->setText(QObject::tr("Close startup to tray"));
    ui->label_4->setText(QObject::tr("Upgrade"));
    ui->pushButton_UpgradeCheck->setText(QObject::tr("Firmware upgrade check"));
}

// Index order is the theme number; "Other" only where the defaults file
// allows it, so a stored 4 without that permission stays on the first.
void DSettingsDia::fillThemeBox()
{
    ui->comboBox_Theme->clear();
    const int count = DDataManager::getInstance()->isUserConfig() ? kThemeCount : kThemeCount - 1;
    for (int i = 0; i < count; ++i)
        ui->comboBox_Theme->addItem(themeName(i));
    ui->comboBox_Theme->setCurrentText(themeName(m_themeIndex));
}

// Any number outside the list shows the first language.
void DSettingsDia::showStoredLanguage()
{
    const int language = m_userSettings->value(DUserSettingsKeys::kLanguageIndex, -1).toInt();
    QString shown = languageName(kLanguageNames[0]);
    for (const LanguageName& entry : kLanguageNames) {
        if (entry.language == language)
            shown = languageName(entry);
    }
    ui->comboBox_Language->setCurrentText(shown);
}

void DSettingsDia::showStoredStartupChoices()
{
    ui->checkBox_AutoStart->setChecked(DStartupSettings::isAutoStart(*m_userSettings));
    ui->checkBox_Close->setChecked(DStartupSettings::isCloseToTray(*m_userSettings));
}

bool DSettingsDia::storeSetting(const QString& key, const QVariant& value)
{
    if (DStartupSettings::store(*m_userSettings, key, value))
        return true;
    qCWarning(lcUi) << "Could not write" << key << "to" << m_userIniPath;
    reopenSettings();
    return false;
}

// A failed sync leaves its status and the unwritten value in the object.
void DSettingsDia::reopenSettings()
{
    delete m_userSettings;
    m_userSettings = new QSettings(m_userIniPath, QSettings::IniFormat);
}

void DSettingsDia::showSetConfigResult(bool written)
{
    if (!written)
        showStoredStartupChoices();
    m_notice->showNoticeTextAt(written ? QObject::tr("Set config success") : QObject::tr("Set config failed"),
                               rect().center());
}

void DSettingsDia::showNoUpgradeableDeviceTip()
{
    m_notice->showNoticeTextAt(QObject::tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

void DSettingsDia::loadAboutInfo()
{
    QSettings defaults(DDataManager::defaultConfigFile(), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    ui->label_AppVersion->setText(defaults.value(DUserSettingsKeys::kAppVersion, kDefaultVersion).toString());
    const QString companyName = defaults.value(DUserSettingsKeys::kCompanyName, kDefaultCompanyName).toString();
    ui->label_AppName->setText(companyName);
    QString copyright = defaults.value(DUserSettingsKeys::kCopyright, kDefaultCopyright).toString();
    copyright.replace(QLatin1Char('*'), QLatin1Char(','));
    ui->label_Copyright->setText(copyright);
    m_companyLink = defaults.value(DUserSettingsKeys::kCompanyLink, kDefaultLink).toString();
    ui->label_Link->setVisible(defaults.value(DUserSettingsKeys::kAboutLinkShown, false).toBool());
    m_companyName = companyName;
    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(linkText());
}

QString DSettingsDia::linkText() const
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    return DThemeColor::fillStyleSheet(QCoreApplication::translate("DSettingsDia", kLinkTemplate),
                                       {m_companyName.toHtmlEscaped(), theme.textCheckedColor, theme.textFont});
}

void DSettingsDia::onLickActivited(QString str)
{
    Q_UNUSED(str)
    QDesktopServices::openUrl(QUrl(m_companyLink, QUrl::TolerantMode));
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    AutoStartEntry entry(QCoreApplication::applicationName());
    const bool done = DStartupSettings::setAutoStart(*m_userSettings, entry, QCoreApplication::applicationFilePath(),
                                                     ui->checkBox_AutoStart->isChecked());
    if (!done) {
        qCWarning(lcUi) << "Could not change the start with the system:" << m_userIniPath << entry.filePath();
        reopenSettings();
    }
    showSetConfigResult(done);
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    showSetConfigResult(storeSetting(DUserSettingsKeys::kCloseToTray, ui->checkBox_Close->isChecked()));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(QString text)
{
    int language = QtLinguist::Zh_SM;
    for (const LanguageName& entry : kLanguageNames) {
        if (languageName(entry) == text)
            language = entry.language;
    }
    if (!storeSetting(DUserSettingsKeys::kLanguageIndex, language)) {
        ui->comboBox_Language->blockSignals(true);
        showStoredLanguage();
        ui->comboBox_Language->blockSignals(false);
        m_notice->showNoticeTextAt(QObject::tr("Set config failed"), rect().center());
        return;
    }
    auto* app = qobject_cast<DAppllication*>(QCoreApplication::instance());
    if (!app || !app->setLanguage(language))
        return;

    ui->comboBox_Theme->blockSignals(true);
    ui->retranslateUi(this);
    fillThemeBox();
    setOwnTexts();
    // The form's placeholders would stand on the About page until it is
    // entered again.
    loadAboutInfo();
    emit sigUpdataAllUI();
    ui->comboBox_Theme->blockSignals(false);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(QString text)
{
    int themeIndex = 0;
    for (int i = kThemeCount - 1; i >= 0; --i) {
        if (themeName(i) == text)
            themeIndex = i;
    }
    storeSetting(DUserSettingsKeys::kThemeIndex, themeIndex);
    m_themeIndex = themeIndex;
    DDataManager::getInstance()->loadTheme(themeIndex);
    setTheme();
    emit sigChangAppTheme(themeIndex);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool on = ui->checkBox_UsingBgImage->isChecked();
    storeSetting(DUserSettingsKeys::kBgImageInUse, on);
    DDataManager* data = DDataManager::getInstance();
    data->setBgImageIsUsing(on);
    data->loadTheme(m_themeIndex);
    setTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    emit sigUpdateApp();
}

bool DSettingsDia::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(obj, event);
}

void DSettingsDia::showFirmwareInfo()
{
    auto* info = new DFirwareInfoShow(this);
    info->exec();
}

void DSettingsDia::reportClose()
{
    if (m_closeReported)
        return;
    m_closeReported = true;
    emit sigSettingsWindowClose();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    reportClose();
    close();
}

void DSettingsDia::reject()
{
    on_pushButton_Close_clicked();
}

// A close by the window system reports too, or the overlay would stay over
// the main window.
void DSettingsDia::closeEvent(QCloseEvent* event)
{
    qCDebug(lcUi) << "------------------------- *** [DSettingsDia] closeEvent *** -------------------------";
    reportClose();
    event->accept();
}

void DSettingsDia::setTheme()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    QFont bold = DDataManager::getInstance()->getFont(0);

    m_notice->setTheme(theme);

    auto fill_ = [](const char* styleTemplate, const QStringList& values) {
        return DThemeColor::fillStyleSheet(QString::fromLatin1(styleTemplate), values);
    };
    ui->frame_16->setStyleSheet(
        fill_("QFrame#frame_16{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius:12px;}",
              {theme.textCheckedColor, theme.settingsBgColor}));
    ui->frame_Title->setStyleSheet(
        fill_("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2);"
              " border-top-left-radius: 12px; border-top-right-radius: 12px;}"
              "QLabel#label_Title{color: rgb(%3);}",
              {theme.settingsTitleColorStart, theme.settingsBorderColor, theme.textCheckedColor}));
    ui->frame_LogoSet->setStyleSheet(QStringLiteral("QFrame{border-image: url(%1);}").arg(kLogoImage));
    // The frames inside are for layout only; the style's panel outline would
    // box every group.
    ui->frame_Bg->setStyleSheet(fill_("QFrame#frame_Bg{background-color: rgb(%1); border-bottom-left-radius: 12px;"
                                      " border-bottom-right-radius: 12px;}"
                                      ".QFrame{border: none;}",
                                      {theme.settingsBgColor}));
    ui->frame_3->setStyleSheet(
        fill_("QFrame#frame_3{border: none; border-right: 3px solid rgb(%1);}", {theme.settingsBorderColor}));
    ui->frame_4->setStyleSheet(
        fill_("QPushButton{border: none; border: 0px solid rgb(20, 20, 20); background-color: rgb(%1); color: rgb(%2);"
              " font: 75 11pt \"%3\";}"
              "QPushButton:hover{background-color: rgb(%4);}"
              "QPushButton:pressed{color: rgb(%5); background-color: rgb(%6);}"
              "QPushButton:!checked{color: rgb(%2); font: 75 11pt \"%3\";}"
              "QPushButton:checked{color: rgb(%5); background-color: rgb(%6);}",
              {theme.settingsControlDefaultColor, theme.textDefaultColor, theme.textFont,
               theme.settingsControlHoverBgColor, theme.textCheckedColor, theme.settingsControlSelectedBgColor}));
    ui->page_Settings->setStyleSheet(
        fill_(".QFrame{border: none;}QLabel{color: rgb(%1); font: 75 10pt \"%2\";}"
              "QComboBox{background-color: rgb(%3); padding-left:5px ; border: 1px solid rgb(%4); font: 75 10pt \"%2\";"
              " color: rgb(%5); border-radius: 4px;}"
              "QComboBox:hover{border: 1px solid rgb(%1);}"
              "QComboBox QAbstractItemView::item{height:40px; left:10px;}"
              "QComboBox::down-arrow{border-image: url(:/images/publicIco/comboxDef.png); width: 10px; height: 10px;}"
              "QComboBox::down-arrow:hover{border-image: url(:/images/publicIco/comboxDef.png);}"
              "QComboBox::down-arrow:on{border-image: url(:/images/publicIco/comboxSel.png);"
              " selection-background-color: rgb(255, 35, 76);}"
              "QComboBox::drop-down{width:20px; padding-right:3px; background:transparent; position: relative;"
              " top: 0px; right: 0px;}"
              "QComboBox QAbstractItemView{outline:0px;}",
              {theme.textCheckedColor, theme.textFont, theme.settingsControlDefaultColor, theme.settingsBorderColor,
               theme.textDefaultColor}));
    const QString checkBoxes
        = fill_(".QFrame{border: none;}QCheckBox, QCheckBox:unchecked{color: rgb(%1); font: 75 10pt \"%2\";}"
                "QCheckBox:checked{color: rgb(%3); font: 75 10pt \"%2\";}"
                "QCheckBox::indicator{width: 13px; height: 13px;}"
                "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}",
                {theme.textDefaultColor, theme.textFont, theme.textCheckedColor});
    ui->frame_7->setStyleSheet(checkBoxes);
    ui->checkBox_UsingBgImage->setStyleSheet(checkBoxes);
    const auto labelSheet = [&](const char* name, int points) {
        return fill_("QLabel#%1{color: rgb(%2); font: 75 %3pt \"%4\";}",
                     {QLatin1String(name), theme.textCheckedColor, QString::number(points), theme.textFont});
    };
    ui->label_AppName->setStyleSheet(labelSheet("label_AppName", 16));
    ui->label_APP->setStyleSheet(labelSheet("label_APP", 12));
    ui->label_Copyright->setStyleSheet(labelSheet("label_Copyright", 10));
    ui->label_AppVersion->setStyleSheet(fill_("QLabel#label_AppVersion{color: rgb(%1);}", {theme.textCheckedColor}));
    QFont versionFont = bold;
    versionFont.setPointSize(12);
    ui->label_AppVersion->setFont(versionFont);

    const QString buttons
        = fill_("QPushButton{border-radius:8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3);"
                " font: 75 10pt \"%4\"; padding: 0px 12px;}"
                "QPushButton:hover{background-color: rgba(%5); border: 2px solid rgb(%6);}"
                "QPushButton:pressed{color: rgb(%6); background-color: rgba(%5); border: 2px solid rgb(%6);}",
                {theme.settingsControlBorderColor, theme.settingsControlDefaultColor, theme.textDefaultColor,
                 theme.textFont, transparentOf(theme.settingsControlHoverBgColor), theme.textCheckedColor});
    for (QWidget* button : {ui->pushButton_CheckAppUpdate, ui->pushButton_UpgradeCheck, ui->pushButton_feedbock,
                            ui->pushButton_support, ui->pushButton_feedbock02, ui->pushButton_support02})
        button->setStyleSheet(buttons);

    ui->label_Link->setText(linkText());
    ui->label_Link->setAlignment(Qt::AlignCenter);
    QFont titleFont = bold;
    titleFont.setPointSize(12);
    ui->label_Title->setFont(titleFont);
}
