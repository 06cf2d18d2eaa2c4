#include "hid/DDeviceHidCmdSend.h"

#include "app/logCategories.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DLinkReports.h"
#include "hid/reports/DMagneticReports.h"

#include <QDebug>
#include <QUuid>

namespace {

constexpr char kKeyFailure[] = "USB serial port [Write Key] Failed ...";
constexpr char kSensitivityFailure[] = "USB serial port [Query Keyboard Sensitivity] Failed ...";

} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject* parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace* hidInterface)
{
    m_hidInterface = hidInterface;
}

int DDeviceHidCmdSend::send(const DReportFrame& report, const char* failureLine, DCommandQueue::Kind kind)
{
    const int result = m_hidInterface ? m_hidInterface->queueCmdReport(report, kind) : -1;
    if (result < 0)
        qCDebug(lcLink, "%s", failureLine);
    return result;
}

QString DDeviceHidCmdSend::writeSerialNumber(QString sn)
{
    if (sn.isEmpty())
        sn = QUuid::createUuid().toString(QUuid::WithoutBraces).remove(QLatin1Char('-')).toLower();
    send(DLinkReports::serialNumber(sn.toLocal8Bit()), "USB serial port [Write SN] Failed ...",
         DCommandQueue::Kind::Inquiry);
    return sn;
}

void DDeviceHidCmdSend::writeKeyboardReport(const uchar* keys)
{
    send(DLinkReports::keyEcho(keys), kKeyFailure, DCommandQueue::Kind::Echo);
}

void DDeviceHidCmdSend::writeFullKeyReport(const uchar* inputReport)
{
    send(DLinkReports::fullKeyEcho(inputReport), kKeyFailure, DCommandQueue::Kind::Echo);
}

void DDeviceHidCmdSend::inquireSideLightModeList()
{
    send(DLinkReports::sideEffectListInquiry(), "---------- *** Inquire [Side Light Mode] Failed *** ----------",
         DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::inquireKeyboardLightConfig()
{
    send(DLinkReports::keyboardLightConfigInquiry(),
         "---------- *** Inquire [Keyboard Light Config] Failed *** ----------", DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::inquireSideLightConfig()
{
    send(DLinkReports::sideLightConfigInquiry(), "---------- *** Inquire [Side Light Config] Failed *** ----------",
         DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::inquireLightModeList()
{
    send(DLinkReports::keyboardEffectListInquiry(), "---------- *** Inquire [Light Mode] Failed *** ----------",
         DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::checkLayoutSupportCustom()
{
    send(DLinkReports::customizableKeysInquiry(),
         "USB serial port [Check keyboard layout is support custom] Failed ...", DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::resetKeyboard()
{
    send(DLinkReports::reset(), "---------- *** [Reset] Failed *** ----------");
}

int DDeviceHidCmdSend::setLockWinKeyFeatures(int f1, int f2, int f3, int f4)
{
    return send(DLinkReports::keyLocks(f1, f2, f3, f4), "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    send(DLinkReports::sleepTimes(lightSleep, keyboardSleep, prohibitSleep),
         "---------- *** [Set Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::checkSleepTime()
{
    send(DLinkReports::sleepTimesInquiry(), "---------- *** [Check Sleep time] Failed *** ----------",
         DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::querySensitivity()
{
    send(DMagneticReports::request(DReportNumbers::kTravelLevels), kSensitivityFailure, DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::queryAntiShake()
{
    send(DMagneticReports::request(DReportNumbers::kAntiShake), kSensitivityFailure, DCommandQueue::Kind::Inquiry);
}

void DDeviceHidCmdSend::queryRateOfReturn()
{
    send(DMagneticReports::request(DReportNumbers::kRateOfReturn), kSensitivityFailure, DCommandQueue::Kind::Inquiry);
}
