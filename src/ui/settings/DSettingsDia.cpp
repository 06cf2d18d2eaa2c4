#include "ui/settings/DSettingsDia.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/DStartupSettings.h"
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

// The link to the maker's site; markup only, the same in every language.
const char kLinkTemplate[] = "<a href=\"Company|%1|\"><span style=\"font-family:'%3'; font-size:12pt;"
                             " text-decoration:underline; color:%2;\">%1</span></a>";

const QString kDefaultVersion = QStringLiteral("V_1.00.00");
const QString kDefaultCompanyName = QStringLiteral("CompanyName");
const QString kDefaultCopyright = QStringLiteral("Copyright");
const QString kDefaultLink = QStringLiteral("https://orvane.example/");

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
                               toastCentre());
}

// Below the page's last row, so a toast never covers a heading or a choice
// the user has just made.
QPoint DSettingsDia::toastCentre() const
{
    int bottom = ui->frame_Title->geometry().bottom();
    const auto rows = ui->page_Settings->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QFrame* row : rows) {
        if (row->isVisibleTo(ui->page_Settings))
            bottom = qMax(bottom, row->mapTo(this, QPoint(0, row->height())).y());
    }
    constexpr int kGap = 16;
    constexpr int kHalfToast = 20;
    return QPoint(ui->stackedWidget->mapTo(this, ui->stackedWidget->rect().center()).x(), bottom + kGap + kHalfToast);
}

void DSettingsDia::showNoUpgradeableDeviceTip()
{
    m_notice->showNoticeTextAt(QObject::tr("No upgradeable devices found"), toastCentre());
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
    const DDataManager* data = DDataManager::getInstance();
    QString family = data->themeColors().textFont;
    family.remove(QLatin1Char('\''));
    return QString::fromLatin1(kLinkTemplate)
        .arg(m_companyName.toHtmlEscaped(), data->themeRoles().css(DThemeRoles::AccentText), family.toHtmlEscaped());
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
        m_notice->showNoticeTextAt(QObject::tr("Set config failed"), toastCentre());
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
    m_notice->setTheme(DDataManager::getInstance()->themeColors());
    ui->label_Link->setText(linkText());
    ui->label_Link->setAlignment(Qt::AlignCenter);
    QFont bold = DDataManager::getInstance()->getFont(0);
    bold.setPointSize(12);
    ui->label_AppVersion->setFont(bold);
    ui->label_Title->setFont(bold);
}
