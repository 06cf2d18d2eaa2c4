#include "hid/DDeviceKeyboardLink.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "hid/DDeviceHidCmdSend.h"
#include "hid/DInputReportReader.h"
#include "hid/DLightEffects.h"
#include "hid/DStoreWriteThrottle.h"
#include "hid/DXmlLinkProfileStore.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DReportNumbers.h"
#include "platform/include/ProgramOpener.h"
#include "platform/include/TextPaster.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/models/ModelCatalogue.h"

#include <QCoreApplication>
#include <QDebug>
#include <algorithm>
#include <cstring>

using namespace DReportNumbers;

namespace {

constexpr int kCustomLightEffect = DLightEffects::kCustom;
constexpr int kVersionTextField = 4;
constexpr int kSecondsPerMinute = 60;
// What the keyboard reports of its own lights and sleep times is stored at
// most this often per kind; a faulty keyboard could otherwise rewrite the
// profile file hundreds of times a second.
constexpr int kKeyboardSaveIntervalMs = 300;

DXmlLinkProfileStore& xmlStore()
{
    static DXmlLinkProfileStore store;
    return store;
}

template<size_t N>
void presetUnknown(char (&field)[N])
{
    std::memset(field, 0, N);
    std::memcpy(field, "-1", 2);
}

} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject* parent)
    : QObject(parent)
    , m_store(&xmlStore())
{
    for (DStoreWriteThrottle*& throttle : m_saveThrottles)
        throttle = new DStoreWriteThrottle(kKeyboardSaveIntervalMs, this);
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    m_closing = true;
    // The keyboard's latest answers are stored, not lost with the link.
    for (DStoreWriteThrottle* throttle : m_saveThrottles)
        throttle->flush();
    if (m_hidInterface) {
        m_hidInterface->closeDevice();
        m_hidInterface->quit();
        m_hidInterface->wait();
        // Reports already read are on their way as queued calls that own
        // their copies; let them arrive so the copies are freed.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    delete m_cmdSend;
    delete m_hidInterface;
}

void DDeviceKeyboardLink::setProfilePath(const char* path)
{
    qstrncpy(m_linkProfilePath, path ? path : "", sizeof m_linkProfilePath);
}

void DDeviceKeyboardLink::setProfileStore(DLinkProfileStore* store)
{
    m_store = store ? store : &xmlStore();
}

void DDeviceKeyboardLink::openDevice(int threadIndex, hidStructInfoAll info)
{
    m_hidInfo = info;
    m_strCurrentHidName = QString::fromLatin1(DFixedText::bytes(m_hidInfo.modelName));
    m_hidInterface = new MainHidInterFace(threadIndex, m_strCurrentHidName);
    connect(m_hidInterface, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);
    if (m_hidInterface->openDevice(QString::fromLatin1(DFixedText::bytes(m_hidInfo.hidPath))) != 0) {
        qCDebug(lcLink, "Open the device-failed");
        return;
    }
    m_hidInterface->start();
    m_cmdSend = new DDeviceHidCmdSend;
    m_cmdSend->setHidInterface(m_hidInterface);
}

bool DDeviceKeyboardLink::isMagneticModel() const
{
    const ModelInfo* model = ModelCatalogue::instance().find(m_strCurrentHidName);
    return model && model->isMagnetic();
}

bool DDeviceKeyboardLink::hasKeyboardModes() const
{
    const ModelInfo* model = ModelCatalogue::instance().find(m_strCurrentHidName);
    return model && model->keyboardModes;
}

void DDeviceKeyboardLink::resetKeyboard()
{
    if (m_cmdSend)
        m_cmdSend->resetKeyboard();
}

void DDeviceKeyboardLink::checkSleepTime()
{
    if (m_cmdSend)
        m_cmdSend->checkSleepTime();
}

void DDeviceKeyboardLink::setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    if (m_cmdSend)
        m_cmdSend->setSleepTime(lightSleep, keyboardSleep, prohibitSleep);
}

int DDeviceKeyboardLink::setLockWinKeyFeatures(int f1, int f2, int f3, int f4)
{
    return m_cmdSend ? m_cmdSend->setLockWinKeyFeatures(f1, f2, f3, f4) : -1;
}

void DDeviceKeyboardLink::inquireLightConfig()
{
    if (m_cmdSend) {
        m_cmdSend->inquireKeyboardLightConfig();
        m_cmdSend->inquireSideLightConfig();
        m_cmdSend->checkLayoutSupportCustom();
    }
    m_notifyLightChanges = true;
}

void DDeviceKeyboardLink::saveLightInfoToProfile(int part)
{
    if (!(part == 0 && m_keyboardConfigValid) && !(part == 1 && m_sideConfigValid))
        return;
    storeLight(part, part == 0 ? m_keyboardConfig : m_sideConfig, QByteArray(m_linkProfilePath), m_linkProfileIndex);
}

void DDeviceKeyboardLink::storeLight(int part, const colorInfoData& info, const QByteArray& path, int profileIndex)
{
    const bool saved = m_store->saveLight(path.constData(), profileIndex, info);
    if (!saved)
        qCWarning(lcLink) << "The keyboard's light setting could not be stored in" << path;
    // Announcing a change that is not in the profile would make the pages
    // reload the old setting as if it were the keyboard's.
    if (m_notifyLightChanges && saved && !m_closing)
        emit sigLightConfigHaveChanged_HidSend(part, info.ledType);
    m_notifyLightChanges = true;
}

void DDeviceKeyboardLink::onHidSNDataArrived(unsigned char* data, QString strHidName)
{
    if (m_closing || !m_cmdSend) {
        delete[] data;
        return;
    }
    const QString sn = DInputReportReader::readSerialNumber(data);
    delete[] data;
    if (DInputReportReader::isUsableSerialNumber(sn)) {
        m_strCurrentSN = sn;
    } else {
        // Generated once per link: a keyboard that keeps answering without
        // a serial number gets the same one written again, so its profile
        // folder does not change under the user.
        m_strCurrentSN = m_cmdSend->writeSerialNumber(m_strCurrentSN);
    }
    m_cmdSend->inquireKeyboardLightConfig();
    m_cmdSend->inquireSideLightConfig();
    m_cmdSend->inquireLightModeList();
    const ModelInfo* model = ModelCatalogue::instance().find(strHidName);
    if (model && model->isMagnetic()) {
        m_cmdSend->querySensitivity();
        m_cmdSend->queryAntiShake();
        m_cmdSend->queryRateOfReturn();
    }
}

void DDeviceKeyboardLink::onHidDataArrived(unsigned char* data, int length, int threadIndex)
{
    Q_UNUSED(length)
    Q_UNUSED(threadIndex)
    if (!m_closing)
        dispatch(data);
    delete[] data;
}

void DDeviceKeyboardLink::dispatch(const uchar* report)
{
    switch (report[1]) {
    case kStateReport:
        if (report[5] != 0)
            handleState(report);
        break;
    case kSleepAnswer:
        if (report[2] == kSleepSetDone)
            emit sigSleepTimeSetSuccessful();
        else if (report[2] == kSleepTimes)
            handleSleepTimes(report);
        break;
    case kKeyReport:
        handleKeyReport(report);
        break;
    case kKeyboardEffectList:
    case kSideEffectList:
        handleEffectList(report);
        break;
    case kKeyboardLightConfig:
    case kSideLightConfig:
        handleLightConfig(report);
        break;
    case kCustomLightSlot:
        handleCustomLightSlot(report);
        break;
    case kCustomizableKeys:
        handleCustomizableKeys(report);
        break;
    case kFullKeyReport:
        if (m_cmdSend)
            m_cmdSend->writeFullKeyReport(report);
        break;
    case kIgnoredReport:
        break;
    case kMacroAcknowledgement:
        emit sigRuningOnboard0x19Cmd();
        break;
    case kDownloadMarker:
        emit sigRuningOnboard0x18Cmd();
        break;
    case kTextReport:
        handleTextReport(report);
        break;
    case kAnswerNumber:
        emit sigQN9080Recv0x0bCmd(report[2]);
        break;
    case kPcKeyAction:
        runPcKeyFunction(report);
        break;
    case kMagneticAnswer:
        handleMagneticAnswer(report);
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::handleState(const uchar* report)
{
    const DInputReportReader::StateReport state = DInputReportReader::readState(report);
    m_lockArmed = state.lockArmed;
    emit sigSendChargingStatusAndElectricity(state.charging, state.battery, state.linkMode, state.receiverState,
                                             m_strCurrentSN);
    if (m_dongleStatusEnabled) {
        if (state.linkMode == 1 && state.receiverState != m_last24GValid)
            emit sigDongleStatus(state.receiverState, QString::fromLatin1(DFixedText::bytes(m_hidInfo.hidPath)),
                                 m_strCurrentHidName);
        m_last24GValid = state.receiverState;
    }
    if (state.downloadStatus != 0)
        emit sigRuningOnboardDownloadStatus(state.downloadStatus);
    if (hasKeyboardModes() && (m_lastKeyboardMode == -1 || m_lastKeyboardMode != state.keyboardMode)) {
        m_lastKeyboardMode = state.keyboardMode;
        emit sigTheKeyboardModeChanged(state.keyboardMode);
    }
}

void DDeviceKeyboardLink::handleEffectList(const uchar* report)
{
    const lightModeListInfo list = DInputReportReader::readEffectList(report);
    const bool keyboard = report[1] == kKeyboardEffectList;
    qCDebug(lcLink).nospace().noquote() << (keyboard ? "-------------[Keyboard] hidName:"
                                                     : "-------------[Side] hidName:")
                                        << m_strCurrentHidName
                                        << (keyboard ? " lightTypeList Num:" : "lightTypeList Num:")
                                        << list.lightTypeList.size() << "  SpeedMax:" << list.speedMax
                                        << "  BrightnessMax:" << list.brightnessMax;
    if (keyboard) {
        m_keyboardModes = list;
        if (m_cmdSend)
            m_cmdSend->inquireSideLightModeList();
        return;
    }
    m_sideModes = list;
    DDataManager::getInstance()->setHasSideLight(!list.lightTypeList.isEmpty());
    m_linkReady = true;
    if (m_cmdSend)
        m_cmdSend->checkLayoutSupportCustom();
}

void DDeviceKeyboardLink::handleLightConfig(const uchar* report)
{
    const int part = report[1] == kKeyboardLightConfig ? 0 : 1;
    const colorInfoData info = DInputReportReader::readLightConfig(report, part);
    if (part == 0) {
        m_keyboardConfig = info;
        m_keyboardConfigValid = true;
        qCDebug(lcLink).nospace()
            << "-------------------------->>>>>>>>>>>>>>>>>>>>>> *** [Hid 0x07 return] ledBrightness:"
            << info.ledBrightness << " ledSpeed:" << info.ledSpeed << " ledType:" << info.ledType;
    } else {
        m_sideConfig = info;
        m_sideConfigValid = true;
    }
    if (m_notifyLightChanges) {
        // Stored where the profile was when the keyboard answered, even if
        // it changes before a held save runs.
        const QByteArray path(m_linkProfilePath);
        const int profileIndex = m_linkProfileIndex;
        m_saveThrottles[part]->submit(
            [this, part, info, path, profileIndex] { storeLight(part, info, path, profileIndex); });
    }
}

// A keyboard may report its slot many times a second; the page rebuilds its
// scheme rows for each announcement, so they are held like the light
// answers: the latest wins, a few a second at most.
void DDeviceKeyboardLink::handleCustomLightSlot(const uchar* report)
{
    const int slot = report[2];
    const QByteArray path(m_linkProfilePath);
    const int profileIndex = m_linkProfileIndex;
    m_saveThrottles[kCustomSlotSave]->submit([this, slot, path, profileIndex] {
        m_store->setLightInUse(path.constData(), profileIndex, 0, kCustomLightEffect);
        if (!m_closing)
            emit sigCustomLight_ConfigHaveChanged_HidSend0x09(0, kCustomLightEffect, slot);
    });
}

void DDeviceKeyboardLink::handleCustomizableKeys(const uchar* report)
{
    m_customizableColumns = DInputReportReader::readCustomizableColumns(report);
    // The latest bitmap is the keyboard's answer; adding it to the earlier
    // ones would list keys twice and grow with every inquiry.
    m_customizableKeys = DInputReportReader::customizableKeys(m_customizableColumns);
}

void DDeviceKeyboardLink::handleSleepTimes(const uchar* report)
{
    const DInputReportReader::SleepTimes times = DInputReportReader::readSleepTimes(report);
    DDataManager::getInstance()->setProhibitSleep(times.prohibit);
    const QByteArray path(m_linkProfilePath);
    const int profileIndex = m_linkProfileIndex;
    m_saveThrottles[kSleepSave]->submit([this, path, profileIndex, times] {
        m_store->saveSleepTimes(path.constData(), profileIndex, times.lightSeconds,
                                times.keyboardSeconds / kSecondsPerMinute);
    });
}

void DDeviceKeyboardLink::handleTextReport(const uchar* report)
{
    emit sigWaitForDataReturn_0x0d(QString::fromLatin1(DFixedText::bytes(m_hidInfo.hidPath)),
                                   DInputReportReader::readTextField(report, kVersionTextField));
}

void DDeviceKeyboardLink::handleMagneticAnswer(const uchar* report)
{
    DDataManager* data = DDataManager::getInstance();
    switch (report[6]) {
    case kTravelLevels:
        m_magneticSettings.travelLevels = report[7];
        emit sigMagneticSettingsChanged();
        break;
    case kLiveTravel:
        data->relaySensitivityValue(report[7], report[8], report[9]);
        break;
    case kKeyTravelInfo:
        data->relaySensitivityInfo(report[7], report[8], report[9], report[10], report[11]);
        break;
    case kRateOfReturn:
        m_magneticSettings.rateOfReturn = report[7];
        emit sigMagneticSettingsChanged();
        break;
    case kAntiShake:
        m_magneticSettings.antiShake = report[7];
        emit sigMagneticSettingsChanged();
        break;
    case kKeyCalibration:
        data->relayCalibrationStatus(report[7]);
        break;
    case kAllKeysCalibration:
        m_calibrationMap = DInputReportReader::readCalibration(report);
        data->relayAllKeysCalibrationStatus(report[7]);
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::handleKeyReport(const uchar* report)
{
    DKeyReportEcho::KeyReport keys;
    std::copy_n(report + 6, keys.size(), keys.begin());
    for (const DKeyReportEcho::KeyChange& change : m_keyEcho.takeReport(keys))
        onKeyPressOrRelease(kKeyReport, -1, change.usage, change.pressed ? 1 : 0);
    if (m_lockArmed) {
        functionLockInfo locks{};
        m_store->lockInfo(m_linkProfilePath, m_linkProfileIndex, &locks);
        m_keyEcho.applyLocks(locks);
    }
    if (m_cmdSend)
        m_cmdSend->writeKeyboardReport(m_keyEcho.echoReport().data());
}

void DDeviceKeyboardLink::onKeyPressOrRelease(int reportType, int reserved, int usage, int pressed)
{
    Q_UNUSED(reportType)
    Q_UNUSED(reserved)
    // The echo follows the keyboard's keys, so that the lock filter has
    // something to take out.
    m_keyEcho.setKeyState(usage, pressed != 0);
}

void DDeviceKeyboardLink::runPcKeyFunction(const uchar* report)
{
    if (report[10] == 0)
        return;
    keyOperateInfo info;
    presetUnknown(info.keyCode);
    presetUnknown(info.keyName);
    presetUnknown(info.type);
    presetUnknown(info.paramA);
    presetUnknown(info.paramB);
    presetUnknown(info.value);
    m_store->keyFunction(m_linkProfilePath, m_linkProfileIndex, report[9], &info);
    bool isNumber = false;
    const int type = DKeyFunctionType::of(info);
    const QByteArray value = DFixedText::bytes(info.value);
    switch (type) {
    case DKeyFunctionType::kText:
        TextPaster::current()->paste(QString::fromUtf8(value));
        break;
    case DKeyFunctionType::kProfileSwitch: {
        const int profile = value.toInt(&isNumber);
        // The profile may come from an imported file: only an index a
        // profile can have is passed on.
        if (isNumber && profile >= 1)
            emit sigCustomEventChangProfile(profile);
        else
            qCDebug(lcLink) << "Profile switch key: no such profile" << value;
        break;
    }
    case DKeyFunctionType::kLaunchApplication:
        ProgramOpener::current()->open(QString::fromUtf8(value));
        break;
    case DKeyFunctionType::kDisable:
    default:
        break;
    }
}
