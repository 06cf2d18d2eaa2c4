#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"
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
    DFieldHintColour::watchFields(this);
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
