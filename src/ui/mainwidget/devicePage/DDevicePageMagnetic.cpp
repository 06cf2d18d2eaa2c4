// The trigger page's requests as magnetic-switch reports for the keys
// selected on the picture, key calibration, and the picture's display
// states that go with them.
#include "app/logCategories.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DKeyBitmap.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DMagneticReports.h"
#include "ui/mainwidget/devicePage/DKeyPressEffects.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"

#include <QDebug>

namespace {

// All-keys calibration statuses; any other is an error.
constexpr int kCalibrationDone = 0;
constexpr int kCalibrationRunning = 1;
constexpr int kCalibrationFailed = 2;

void logAllKeysOver(const char* outcome)
{
    qCDebug(lcLink).noquote() << QStringLiteral("%1 Calibration all keys over [%2] %3")
                                     .arg(QString(31, QLatin1Char('-')), QLatin1String(outcome),
                                          QString(36, QLatin1Char('-')));
}

bool inKeyGrid(int row, int column)
{
    return row >= 0 && row < DKeyGrid::kRows && column >= 0 && column < DKeyGrid::kColumns;
}

} // namespace

DDevicePage::MagneticSend DDevicePage::queueMagneticReport(const DReportFrame& report)
{
    if (!m_currentHidInterface)
        return MagneticSend::NoKeyboard;
    if (m_currentHidInterface->queueCmdReport(report) < 0) {
        qCDebug(lcLink) << "USB serial port [Write Sensitivity-data] Failed ...";
        return MagneticSend::Refused;
    }
    return MagneticSend::Queued;
}

void DDevicePage::showOperateResult(MagneticSend sent)
{
    if (sent == MagneticSend::Queued)
        onEveryPageBackTip(QObject::tr("Operate successful"));
    else if (sent == MagneticSend::Refused)
        onEveryPageBackTip(QObject::tr("Operate failed"));
}

DKeyBitmap DDevicePage::selectedKeyBitmap() const
{
    QList<QPair<int, int>> keys;
    if (m_keyboardPicture) {
        for (const keyboardButCustom* cap : m_keyboardPicture->selectedKeys())
            keys.append({cap->getRowIndex(), cap->getColumnIndex()});
    }
    return DKeyBitmap::fromKeys(keys);
}

bool DDevicePage::isDragSelectionOn() const
{
    return m_currentPageIndex == TriggerPage
           || (m_currentPageIndex == LightsPage && m_currentKeyboardEffect == DKeyPressEffects::kCustomEffect);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY)
{
    // Whether the key was selected or unselected, its settings are shown.
    Q_UNUSED(selectedStatus)
    if (m_currentPageIndex != TriggerPage)
        return;
    queueMagneticReport(DMagneticReports::selection(selectedKeyBitmap()));
    triggerSettingPage()->clearLiveTravel();
    if (operateType == 1)
        DDataManager::getInstance()->querySensitivity(1, indexX, indexY);
}

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    queueMagneticReport(DMagneticReports::keyQuery(indexX, indexY));
}

void DDevicePage::onMagnetsKeysApplyConfig(int selectMode, int strengthLeft, int strengthRight, int quickTriggerLeft,
                                           int quickTriggerRight)
{
    if (!m_currentHidInterface)
        return;
    const DKeyBitmap keys = selectedKeyBitmap();
    if (keys.isEmpty()) {
        onEveryPageBackTip(QObject::tr("Please select one Key first"));
        return;
    }
    showOperateResult(queueMagneticReport(
        DMagneticReports::apply(selectMode, keys, strengthLeft, strengthRight, quickTriggerLeft, quickTriggerRight)));
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    if (!m_currentHidInterface)
        return;
    queueMagneticReport(DMagneticReports::request(DReportNumbers::kRestoreDefaultSensitivity));
    triggerSettingPage()->loadSensitivityData();
}

void DDevicePage::onKeyAntiShakeCurrentNum(int value)
{
    const MagneticSend sent = queueMagneticReport(DMagneticReports::setAntiShake(value));
    if (sent == MagneticSend::Queued && m_currentLink) {
        m_currentLink->keepAntiShake(value);
        publishMagneticSettings();
    }
    showOperateResult(sent);
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int value)
{
    const MagneticSend sent = queueMagneticReport(DMagneticReports::setRateOfReturn(value));
    if (sent == MagneticSend::Queued && m_currentLink) {
        m_currentLink->keepRateOfReturn(value);
        publishMagneticSettings();
    }
    showOperateResult(sent);
}

void DDevicePage::enterTriggerSelectionState()
{
    if (m_dragShowArea) {
        m_dragShowArea->raise();
        m_dragShowArea->show();
    }
    if (m_keyboardPicture)
        m_keyboardPicture->setColorShowMode(true);
    DDataManager* data = DDataManager::getInstance();
    if (keySelectFrame* frame = data->keySelectFrame()) {
        frame->setSideLightVisible(false);
        frame->setKeysSelectEnabled(true);
    }
    if (m_dragShowArea)
        m_dragShowArea->setDragEnabled(true);
    for (keyboardButCustom* cap : data->keyButtonList()) {
        cap->setLightColorEnabled(false);
        cap->setLightColor(QColor(0, 0, 0, 0));
    }
}

void DDevicePage::enterCalibrationState(bool allKeys)
{
    // The caps themselves take the clicks: the overlay goes below them.
    if (m_dragShowArea)
        m_dragShowArea->lower();
    if (m_keyboardPicture) {
        m_keyboardPicture->raise();
        m_keyboardPicture->show();
        m_keyboardPicture->setColorShowMode(!allKeys);
        // Calibration draws a hovered key as it draws the chosen one: a key
        // the overlay left hovered would look chosen while none is.
        m_keyboardPicture->dropHoveredKey();
    }
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame()) {
        frame->setSideLightVisible(false);
        frame->setKeysSelectEnabled(!allKeys);
    }
}

void DDevicePage::setCalibrationDisplay(bool on)
{
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame())
        frame->setKeysCalibrationShowMode(on);
}

void DDevicePage::setAllKeysCalibratedCapsMarked(bool marked)
{
    for (keyboardButCustom* cap : qAsConst(m_allKeysCalibratedCaps)) {
        if (cap)
            cap->setClickedStatus(marked, true);
    }
}

void DDevicePage::resetCalibration()
{
    const bool runWasOn = m_keyCalibrationRunning || m_allKeysCalibrationRunning;
    // A keyboard that is still there is not left calibrating on its own.
    if (m_allKeysCalibrationRunning)
        queueMagneticReport(DMagneticReports::allKeysCalibration(false));
    DDataManager::getInstance()->setCalibrating(false);
    m_keyCalibrationRunning = false;
    m_allKeysCalibrationRunning = false;
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    setAllKeysCalibratedCapsMarked(false);
    m_allKeysCalibratedCaps.clear();
    setCalibrationDisplay(false);
    m_ui->widget_MoveTip->hide();
    triggerSettingPage()->clearAllKeysCalibrationFlag();
    triggerSettingPage()->exitCalibrationMode();
    if (runWasOn)
        onEveryPageBackTip(QObject::tr("The key calibration failed"));
}

void DDevicePage::onCalibrationMode(int selMode)
{
    const bool on = selMode != 0;
    // Leaving calibration mode ends an all-keys run as well: the page never
    // says "not calibrating" while the keyboard still is.
    if (!on && m_allKeysCalibrationRunning) {
        queueMagneticReport(DMagneticReports::allKeysCalibration(false));
        m_allKeysCalibrationRunning = false;
        setAllKeysCalibratedCapsMarked(false);
        m_allKeysCalibratedCaps.clear();
        m_ui->widget_MoveTip->hide();
        triggerSettingPage()->clearAllKeysCalibrationFlag();
    }
    DDataManager::getInstance()->setCalibrating(on);
    m_keyCalibrationRunning = false;
    setCalibrationDisplay(on);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    if (on)
        enterCalibrationState(false);
    else
        enterTriggerSelectionState();
    queueMagneticReport(DMagneticReports::selection(DKeyBitmap()));
    triggerSettingPage()->clearLiveTravel();
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    if (!inKeyGrid(keyPointX, keyPointY))
        return;
    m_calibrationKeyRow = keyPointX;
    m_calibrationKeyColumn = keyPointY;
    DKeyBitmap key;
    key.insert(keyPointX, keyPointY);
    queueMagneticReport(DMagneticReports::selection(key));
    triggerSettingPage()->clearLiveTravel();
}

void DDevicePage::onKeyCalibrationStartRuning()
{
    if (!DDataManager::getInstance()->isCalibrating()) {
        onEveryPageBackTip(QObject::tr("Please switch to key calibration mode first"));
        return;
    }
    if (m_calibrationKeyRow < 0 || m_calibrationKeyColumn < 0) {
        onEveryPageBackTip(QObject::tr("Please select one Key first"));
        return;
    }
    const MagneticSend sent
        = queueMagneticReport(DMagneticReports::keyCalibration(m_calibrationKeyRow, m_calibrationKeyColumn));
    m_keyCalibrationRunning = sent == MagneticSend::Queued;
    showOperateResult(sent);
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    // Only a calibration this page started has an outcome to show.
    if (!m_keyCalibrationRunning)
        return;
    switch (keyCalibrationStatus) {
    case kCalibrationDone:
        onEveryPageBackTip(QObject::tr("The key calibration successful"));
        break;
    case kCalibrationRunning:
        onEveryPageBackTip(QObject::tr("The key calibration runing"));
        return;
    case kCalibrationFailed:
        onEveryPageBackTip(QObject::tr("The key calibration failed"));
        break;
    default:
        onEveryPageBackTip(QObject::tr("Unknow"));
        break;
    }
    // The caps stay in calibration display and the mode stays checked;
    // another run needs the mode switched off and on again.
    m_keyCalibrationRunning = false;
    DDataManager::getInstance()->setCalibrating(false);
}

void DDevicePage::onAllKeysCalibrationMode(int selMode)
{
    const bool start = selMode != 0;
    const MagneticSend sent = queueMagneticReport(DMagneticReports::allKeysCalibration(start));
    if (start && sent == MagneticSend::Refused) {
        // Nothing was asked of the keyboard, so nothing may look as if it ran.
        triggerSettingPage()->clearAllKeysCalibrationFlag();
        onEveryPageBackTip(QObject::tr("Operate failed"));
        return;
    }
    m_ui->widget_MoveTip->setVisible(start);
    if (start)
        onEveryPageBackTip(QObject::tr("The key calibration runing"));
    m_allKeysCalibrationRunning = start;
    m_keyCalibrationRunning = false;
    DDataManager::getInstance()->setCalibrating(start);
    if (!start) {
        setAllKeysCalibratedCapsMarked(false);
        m_allKeysCalibratedCaps.clear();
    }
    setCalibrationDisplay(start);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    if (start)
        enterCalibrationState(true);
    else
        enterTriggerSelectionState();
}

void DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    if (!m_allKeysCalibrationRunning)
        return;
    if (keyCalibrationStatus == kCalibrationDone || keyCalibrationStatus == kCalibrationRunning) {
        const QMap<int, int> results = m_currentLink ? m_currentLink->allKeysCalibrationMap() : QMap<int, int>();
        setAllKeysCalibratedCapsMarked(false);
        m_allKeysCalibratedCaps.clear();
        for (const QPair<int, int>& key : DKeyBitmap::fromColumns(results).keys()) {
            // A cell of the grid without a key on this model has an empty cap.
            keyboardButCustom* cap = m_keyCapGrid[std::size_t(key.first)][std::size_t(key.second)];
            if (cap && cap->getKeyDec() != 0)
                m_allKeysCalibratedCaps.append(cap);
        }
        setAllKeysCalibratedCapsMarked(true);
        if (keyCalibrationStatus == kCalibrationRunning)
            return;
        logAllKeysOver("Successful");
        onEveryPageBackTip(QObject::tr("The key calibration successful"));
    } else {
        logAllKeysOver(keyCalibrationStatus == kCalibrationFailed ? "Failed" : "Error");
        onEveryPageBackTip(QObject::tr("The key calibration failed"));
    }
    setAllKeysCalibratedCapsMarked(false);
    m_allKeysCalibratedCaps.clear();
    m_allKeysCalibrationRunning = false;
    DDataManager::getInstance()->setCalibrating(false);
    m_ui->widget_MoveTip->hide();
    triggerSettingPage()->clearAllKeysCalibrationFlag();
    setCalibrationDisplay(false);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    enterTriggerSelectionState();
}
