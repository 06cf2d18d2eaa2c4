// The profiles of the selected keyboard on the device page: opening its file
// set, handing the current profile to the pages, the profile list and menu,
// and the profile operations.
#include "app/logCategories.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include "app/DDataManager.h"
#include "app/DEventWait.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DInputReportReader.h"
#include "hid/MainHidInterFace.h"
#include "profiles/DProfileFileSet.h"
#include "profiles/DProfileLightDefaults.h"
#include "profiles/DStoredKeyFunctions.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DStoreMessage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

constexpr int kMagneticDeviceType = 4;
constexpr int kMagneticResetPauseMs = 250;
constexpr int kProfileRetryMs = 500;

} // namespace

DProfileLightDefaults DDevicePage::lightDefaults() const
{
    return DProfileLightDefaults(m_currentDeviceInfo.layoutNumber,
                                 QString::fromLocal8Bit(m_currentDeviceInfo.modelName),
                                 DDataManager::getInstance()->lightSynchronize());
}

DProfileOperations DDevicePage::profileOperations() const
{
    return DProfileOperations(m_profilePath, lightDefaults());
}

bool DDevicePage::saveCurrentCustomLight()
{
    const int scheme = lightsConfigPage()->currentCustomLightIndex();
    // With no scheme selected the keys belong to none: nothing to store.
    if (scheme < 0)
        return true;
    QVector<DProfileLightDefaults::PaintedKey> keys;
    for (const auto& row : m_lightDeal->keyCapGrid()) {
        for (const keyboardButCustom* cap : row) {
            if (cap)
                keys.append({cap->getKeyDec(), cap->getKeyLabel(), cap->getRowIndex(), cap->getColumnIndex(),
                             cap->getLightColorBackup()});
        }
    }
    const bool stored = DProfileLightDefaults::saveCustomLight(m_profilePath, m_profileIndex, scheme, keys);
    showRecoveryNotes();
    return stored;
}

void DDevicePage::showProfileResult(DProfileOperations::Result result)
{
    // The outcome is a toast; a file set aside on the way is told whole.
    QString text = DProfileOperations::message(result);
    switch (result) {
    case DProfileOperations::Result::CreateFailed:
    case DProfileOperations::Result::DeleteFailed:
    case DProfileOperations::Result::RenameFailed:
    case DProfileOperations::Result::ResetFailed:
    case DProfileOperations::Result::ImportFailed:
        text = DStoreRecoveryNotice::saveFailure(text);
        break;
    default:
        break;
    }
    if (!text.isEmpty())
        showTip(text);
    showRecoveryNotes();
}

void DDevicePage::showRecoveryNotes()
{
    const QStringList notes = DStoreRecoveryNotice::takeMessages();
    if (!notes.isEmpty())
        showStoreMessage(notes.join(QStringLiteral("\n\n")));
}

void DDevicePage::showStoreMessage(const QString& text)
{
    DStoreMessage::show(this, text);
}

void DDevicePage::openProfileFileSet(hidStructInfoAll record)
{
    // The wait ends early when the keyboard goes while it lasts.
    DEventWait::until(kLinkSerialWaitMs, [this] { return !m_currentLink || m_currentLink->isReady(); });
    m_currentSN = m_currentLink ? m_currentLink->currentSN() : QString();
    m_currentDeviceInfo = record;
    m_currentLayer = 0;
    m_lightDeal->setHidDeviceInfo(record);
    if (m_currentLink)
        m_lightDeal->setLightCapability(m_currentLink->keyboardModes(), m_currentLink->sideModes());
    if (qstrcmp(record.deviceType, "keyboard") != 0)
        return;

    // Without its serial number the keyboard's folder is unknown: another
    // keyboard of the model would otherwise get or overwrite its profiles.
    if (!m_currentLink || !m_currentLink->isReady() || !DInputReportReader::isUsableSerialNumber(m_currentSN)) {
        qCDebug(lcStore) << "The keyboard" << record.modelName << "has no serial number yet; its profiles wait for it";
        m_profileLoadPending = true;
        if (!m_profileRetryTimer) {
            m_profileRetryTimer = new QTimer(this);
            m_profileRetryTimer->setInterval(kProfileRetryMs);
            connect(m_profileRetryTimer, &QTimer::timeout, this, &DDevicePage::retryPendingProfileLoad);
        }
        m_profileRetryTimer->start();
        showTip(QObject::tr("The keyboard is not ready yet; it will be loaded as soon as it answers"));
        return;
    }
    m_profileLoadPending = false;
    if (m_profileRetryTimer)
        m_profileRetryTimer->stop();

    DDataManager* data = DDataManager::getInstance();
    const DProfileLightDefaults defaults = lightDefaults();
    DProfileFileSet set;
    const DProfileFileSet::OpenResult opened
        = set.open(data->userConfigDir(), record, m_currentSN, data->isMagneticKeyboard(), defaults);
    showRecoveryNotes();
    if (opened != DProfileFileSet::OpenResult::Opened) {
        qCDebug(lcStore) << "The profiles of" << record.modelName << "could not be opened:" << int(opened);
        const QString why
            = DStoreRecoveryNotice::openFailure(QString::fromLocal8Bit(record.modelName), opened, set.failedPath());
        if (!why.isEmpty())
            showStoreMessage(why);
        return;
    }
    m_profileFolder = set.folder();
    if (set.layerCount() > DProfileFileSet::MagneticLayer)
        data->setMagneticProfilePath(set.layerPath(DProfileFileSet::MagneticLayer).constData());
    qstrncpy(m_profilePath, set.layerPath(DProfileFileSet::DefaultLayer).constData(), sizeof m_profilePath);
    loadCurrentProfile();

    if (!m_currentLink->lightInfoSaved()) {
        m_currentLink->saveLightInfoToProfile(0);
        if (!m_currentLink->sideModes().lightTypeList.isEmpty())
            m_currentLink->saveLightInfoToProfile(1);
        m_currentLink->setLightInfoSaved(true);
    }
    m_currentLink->checkSleepTime();
    showRecoveryNotes();
}

void DDevicePage::retryPendingProfileLoad()
{
    if (!m_profileLoadPending || !m_currentLink) {
        m_profileRetryTimer->stop();
        return;
    }
    if (m_selectingDevice || !m_currentLink->isReady()
        || !DInputReportReader::isUsableSerialNumber(m_currentLink->currentSN()))
        return;
    m_profileRetryTimer->stop();
    m_selectingDevice = true;
    openProfileFileSet(m_currentDeviceInfo);
    startLighting();
    m_selectingDevice = false;
}

void DDevicePage::loadCurrentProfile()
{
    DDataManager* data = DDataManager::getInstance();
    data->clearCurrentKey();
    m_ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(KeysPage);
    if (m_keyboardPicture)
        m_keyboardPicture->exitColorShowMode();

    // The pages keep copies; the buffer is handed over as a copy of its own.
    const QByteArray path(m_profilePath);
    setCurrentProfile(DProfileFileSet::ensureListedCurrent(path.constData()), path.constData());
    lightsConfigPage()->setHidInterface(m_currentHidInterface);
    if (m_currentLink)
        lightsConfigPage()->setLightCapability(m_currentLink->keyboardModes(), m_currentLink->sideModes());
    m_lightDeal->setHidInterface(m_currentHidInterface);
    refreshProfileList();
}

void DDevicePage::refreshProfileList()
{
    const std::vector<profileNodeInfo> nodes = profileOperations().profiles();
    QSignalBlocker blocker(m_ui->comboBox_profileList);
    m_ui->comboBox_profileList->clear();
    QString currentName;
    for (const profileNodeInfo& node : nodes) {
        const int index = QByteArray::fromStdString(node.index).toInt();
        const QString name = QString::fromUtf8(node.name.c_str());
        m_ui->comboBox_profileList->addItem(name, index);
        if (index == m_profileIndex)
            currentName = name;
    }
    const int row = m_ui->comboBox_profileList->findData(m_profileIndex);
    m_ui->comboBox_profileList->setCurrentIndex(row);
    if (row < 0)
        m_ui->comboBox_profileList->setCurrentText(currentName);
    refreshKeyMarks();
}

void DDevicePage::refreshKeyMarks()
{
    // The marks follow the files of the layer shown: a key marked on one
    // layer may have no function on the other.
    DDataManager* data = DDataManager::getInstance();
    const QColor checked = data->themeRoles().color(DThemeRoles::KeyMarked);
    const QMap<int, keyboardButCustom*> caps = data->keyButtonMap();
    for (keyboardButCustom* cap : caps) {
        if (!cap)
            continue;
        cap->setCustomizedBackColor(checked);
        cap->setCustomizedBorderColor(checked);
        cap->setCustomizedStatus(false);
    }
    for (int usage : DStoredKeyFunctions::customisedUsages(m_profilePath, m_profileIndex)) {
        if (keyboardButCustom* cap = caps.value(usage))
            cap->setCustomizedStatus(true);
    }
    if (!data->isMagneticKeyboard() || m_currentLayer != 0)
        return;
    char magneticPath[DDataManager::kPathBufferSize] = {};
    data->copyMagneticProfilePath(magneticPath);
    const QColor mark = data->customKeyMarkColor();
    for (int usage : DStoredKeyFunctions::customisedUsages(magneticPath, 1)) {
        if (keyboardButCustom* cap = caps.value(usage)) {
            cap->setCustomizedBackColor(mark);
            cap->setCustomizedBorderColor(mark);
            cap->setCustomizedStatus(true);
        }
    }
}

void DDevicePage::onProfileCreate()
{
    const DProfileOperations::Result result = profileOperations().create();
    if (result == DProfileOperations::Result::Created)
        refreshProfileList();
    showProfileResult(result);
}

void DDevicePage::onProfileDelete()
{
    int newCurrent = m_profileIndex;
    const DProfileOperations::Result result = profileOperations().remove(m_profileIndex, &newCurrent);
    if (result == DProfileOperations::Result::Deleted) {
        m_profileIndex = newCurrent;
        loadCurrentProfile();
    }
    showProfileResult(result);
}

void DDevicePage::onProfileExport()
{
    const QString directory
        = QFileDialog::getExistingDirectory(this, QObject::tr("Save directory"), m_desktopPath,
                                            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    DProfileOperations operations = profileOperations();
    QString target;
    DProfileOperations::Result result = operations.exportTo(m_profileIndex, directory, false, &target);
    if (result == DProfileOperations::Result::TargetExists) {
        const int answer = QMessageBox::question(
            this, QObject::tr("Tip"), DProfileOperations::message(result).arg(QDir::toNativeSeparators(target)),
            QObject::tr("Yes"), QObject::tr("No"), QString(), 1, 1);
        if (answer != 0)
            return;
        result = operations.exportTo(m_profileIndex, directory, true);
    }
    showProfileResult(result);
}

void DDevicePage::onProfileImport()
{
    const QString chosen = QFileDialog::getOpenFileName(this, QObject::tr("Open profile file"), m_desktopPath,
                                                        QObject::tr("Profile files(*.xml)"));
    DProfileOperations operations = profileOperations();
    int imported = -1;
    // A key of the file could start any program when the keyboard presses
    // it: the user sees what each would run before anything is stored.
    const DProfileOperations::Result result
        = operations.importFrom(chosen, &imported, [this](const QStringList& programs) {
              return QMessageBox::question(this, QObject::tr("Tip"),
                                           QObject::tr("Keys of the profile to import start these programs:\n\n%1\n\n"
                                                       "Import the profile with these keys? If not, nothing is "
                                                       "imported.")
                                               .arg(programs.join(QStringLiteral("\n"))),
                                           QObject::tr("Yes"), QObject::tr("No"), QString(), 1, 1)
                     == 0;
          });
    if (result == DProfileOperations::Result::NoImportFile) {
        m_toast->showNoticeTextAt(DProfileOperations::message(result), rect().center());
        return;
    }
    if (result == DProfileOperations::Result::Imported)
        refreshProfileList();
    showProfileResult(result);
}

void DDevicePage::onProfileModifyName()
{
    bool found = false;
    const QString name = profileOperations().profileName(m_profileIndex, &found);
    if (!found)
        return;
    m_ui->lineEdit_profileName->setText(name);
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ModifyName);
    // The menu bubble that asked for this was the active window: the main
    // window takes the keyboard back so the name can be typed at once.
    window()->activateWindow();
    m_ui->lineEdit_profileName->setFocus(Qt::OtherFocusReason);
    m_ui->lineEdit_profileName->selectAll();
}

void DDevicePage::on_pushButton_Save_clicked()
{
    const DProfileOperations::Result result
        = profileOperations().rename(m_profileIndex, m_ui->lineEdit_profileName->text());
    if (result != DProfileOperations::Result::EmptyName) {
        refreshProfileList();
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ProfileList);
    }
    showProfileResult(result);
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    m_ui->lineEdit_profileName->clear();
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ProfileList);
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(QString text)
{
    Q_UNUSED(text)
    const QVariant chosen = m_ui->comboBox_profileList->currentData();
    if (!chosen.isValid())
        return;
    onCustomEventChangProfile(chosen.toInt());
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    if (!m_currentLink || m_profilePath[0] == '\0')
        return;
    if (profileOperations().switchTo(changeProfileIndex) != DProfileOperations::Result::Switched) {
        // The list shows the profile that stays current.
        refreshProfileList();
        return;
    }
    m_profileIndex = changeProfileIndex;
    loadCurrentProfile();
    showRecoveryNotes();
}

void DDevicePage::on_pushButton_Reset_clicked()
{
    const int answer
        = QMessageBox::question(this, QObject::tr("Tip"), QObject::tr("Whether to reset the current profile?"),
                                QObject::tr("Yes"), QObject::tr("No"), QString(), 0, -1);
    if (answer != 0)
        return;
    if (DDataManager::getInstance()->hidDeviceType() == kMagneticDeviceType) {
        onMagnetsKeyboardDefaultSensitivity();
        // The keyboard takes the default travel before the reset; the
        // window keeps answering meanwhile.
        DEventWait::until(kMagneticResetPauseMs, [] { return false; });
    }
    onResetoreCurrentProfile();
}

void DDevicePage::onResetoreCurrentProfile()
{
    const DProfileOperations::Result result = profileOperations().reset(m_profileIndex);
    loadCurrentProfile();
    if (result == DProfileOperations::Result::ResetDone && m_currentLink)
        m_currentLink->resetKeyboard();
    showProfileResult(result);
    if (m_currentLink)
        m_currentLink->checkSleepTime();
}

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    auto* menu = new DProfileMenuToolWidget(this);
    menu->setWindowOpacity(1.0);
    connect(menu, SIGNAL(sigCloseMenuWidow()), this, SLOT(onCloseMenuWidow()));
    connect(menu, SIGNAL(sigProfileCreate()), this, SLOT(onProfileCreate()));
    connect(menu, SIGNAL(sigProfileDelete()), this, SLOT(onProfileDelete()));
    connect(menu, SIGNAL(sigProfileExport()), this, SLOT(onProfileExport()));
    connect(menu, SIGNAL(sigProfileImport()), this, SLOT(onProfileImport()));
    connect(menu, SIGNAL(sigProfileModifyName()), this, SLOT(onProfileModifyName()));

    delete m_toolTipBubble;
    m_toolTipBubble = new ArrowWidget(ArrowWidget::ArrowBottom, this);
    m_toolTipBubble->setPopupSize(160, 180);
    m_toolTipBubble->setArrowX(120);
    m_toolTipBubble->setContentWidget(menu);
    const QWidget* button = m_ui->pushButton_ProfileOperate;
    m_toolTipBubble->move(button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6)) - QPoint(127, 200));
    m_toolTipBubble->show();
    m_toolTipBubble->activateWindow();
}

void DDevicePage::onCloseMenuWidow()
{
    if (m_toolTipBubble)
        m_toolTipBubble->hide();
}
