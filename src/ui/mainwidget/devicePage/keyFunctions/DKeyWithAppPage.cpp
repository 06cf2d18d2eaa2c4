#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DThemeColor.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

// The user's desktop folder, or the home folder where there is none.
QString startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

} // namespace

DKeyWithAppPage::DKeyWithAppPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyWithAppPage)
{
    m_ui->setupUi(this);
    setTexts();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete m_ui;
}

void DKeyWithAppPage::retranslate()
{
    m_ui->retranslateUi(this);
    setTexts();
}

void DKeyWithAppPage::setTexts()
{
    m_ui->label_10->setText(QObject::tr("Select App"));
    m_ui->textEdit_appPath->setPlaceholderText(QObject::tr("Please select the path where your app is located"));
    m_ui->pushButton_selectAppPath->setText(QObject::tr("Select application"));
}

void DKeyWithAppPage::setTheme()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    // A page not shown yet is not polished, and new sheets would then not
    // reach the controls its layout has polished already.
    ensurePolished();
    // The form's caption font would win over the theme's.
    m_ui->frame_12->setStyleSheet(QStringLiteral("QFrame#frame_12, QFrame#frame{ border: none; }"));
    DKeyFunctionPages::setCaptionTheme(m_ui->label_10);
    m_ui->pushButton_selectAppPath->setFont(font);
    m_ui->pushButton_selectAppPath->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QPushButton{ border: 3px solid rgb(%1); background-color: rgb(%2); color: rgb(%3); "
                       "border-radius: 8px; }"
                       "QPushButton:hover{ background-color: rgb(%2); border: 3px solid rgb(%4); }"
                       "QPushButton:pressed{ color: rgb(%4); background-color: rgb(%2); border: 3px solid rgb(%4); }"),
        {theme.deviceBorderColor, theme.deviceRightBgColor, theme.textDefaultColor, theme.textCheckedColor}));
    m_ui->textEdit_appPath->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QTextEdit{ color: rgb(%1); font: 75 10pt \"%2\"; background-color: rgb(%3); "
                       "border: 1px solid rgb(%4); border-radius: 4px; }"
                       "QTextEdit:hover, QTextEdit:pressed{ border: 1px solid rgb(%5); }"),
        {theme.textDefaultColor, theme.textFont, theme.deviceRightBgColor, theme.deviceBorderColor,
         theme.textCheckedColor}));
}

void DKeyWithAppPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    m_ui->textEdit_appPath->clear();
    keyOperateInfo info;
    if (m_store.load(&info) && DKeyFunctionStore::typeOf(info) == DKeyFunctionType::kLaunchApplication)
        m_ui->textEdit_appPath->setPlainText(DFixedText::utf8(info.value));
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    // Linux programs have no common extension: any file may be chosen.
    const QString chosen
        = QFileDialog::getOpenFileName(this, tr("Select App"), startFolder(), QObject::tr("All files (*)"));
    const QFileInfo file(chosen);
    if (chosen.isEmpty() || !file.exists())
        return;
    m_appPath = QDir::fromNativeSeparators(file.absoluteFilePath());
    m_appFileInfo = file;
    if (!m_store.save(DKeyFunctionType::kLaunchApplication, "1", "1", m_appPath.toUtf8())) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kLaunchFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    m_ui->textEdit_appPath->setPlainText(m_appPath);
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
