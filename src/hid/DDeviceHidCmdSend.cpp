#include "hid/DDeviceHidCmdSend.h"

#include "hid/MainHidInterFace.h"

#include <QDebug>
#include <QUuid>
#include <algorithm>
#include <cstring>

namespace {

constexpr int reportSize = MainHidInterFace::reportSize;

struct Report
{
    uchar bytes[reportSize] = {0x01};

    Report(uchar command, uchar sub = 0, uchar length = 0)
    {
        bytes[1] = command;
        bytes[2] = sub;
        bytes[5] = length;
    }
};

constexpr char keyFailure[] = "USB serial port [Write Key] Failed ...";
constexpr char sensitivityFailure[] = "USB serial port [Query Keyboard Sensitivity] Failed ...";

// The sleep fields hold 16 bits, high byte first; a larger time must not
// wrap round to a short one.
void putSeconds(uchar* at, int seconds)
{
    const int value = std::clamp(seconds, 0, 0xFFFF);
    at[0] = uchar(value >> 8);
    at[1] = uchar(value & 0xFF);
}

} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject* parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace* hidInterface)
{
    m_hidInterface = hidInterface;
}

int DDeviceHidCmdSend::send(const uchar* report, const char* failureLine)
{
    const int result = m_hidInterface ? m_hidInterface->queueCmdReport(report) : -1;
    if (result < 0)
        qDebug("%s", failureLine);
    return result;
}

QString DDeviceHidCmdSend::writeSerialNumber(QString sn)
{
    if (sn.isEmpty())
        sn = QUuid::createUuid().toString(QUuid::WithoutBraces).remove(QLatin1Char('-')).toLower();
    Report r(0x15, 0, 0x20);
    const QByteArray text = sn.toLocal8Bit().left(serialNumberLength);
    std::memcpy(r.bytes + 6, text.constData(), size_t(text.size()));
    send(r.bytes, "USB serial port [Write SN] Failed ...");
    return sn;
}

void DDeviceHidCmdSend::writeKeyboardReport(const uchar* keys)
{
    Report r(0x03, 0, 9);
    if (keys)
        std::memcpy(r.bytes + 6, keys, 8);
    send(r.bytes, keyFailure);
}

void DDeviceHidCmdSend::writeFullKeyReport(const uchar* inputReport)
{
    Report r(0x04, 0, 0x15);
    if (inputReport)
        std::memcpy(r.bytes + 6, inputReport + 6, 13);
    send(r.bytes, keyFailure);
}

void DDeviceHidCmdSend::inquireSideLightModeList()
{
    send(Report(0x01).bytes, "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireKeyboardLightConfig()
{
    send(Report(0x06, 1).bytes, "---------- *** Inquire [Keyboard Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightConfig()
{
    send(Report(0x07, 1).bytes, "---------- *** Inquire [Side Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireLightModeList()
{
    send(Report(0x09).bytes, "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::checkLayoutSupportCustom()
{
    send(Report(0x0D).bytes, "USB serial port [Check keyboard layout is support custom] Failed ...");
}

void DDeviceHidCmdSend::resetKeyboard()
{
    Report r(0x13, 0, 1);
    r.bytes[6] = 1;
    send(r.bytes, "---------- *** [Reset] Failed *** ----------");
}

int DDeviceHidCmdSend::setLockWinKeyFeatures(int f1, int f2, int f3, int f4)
{
    Report r(0x13, 0, 1);
    r.bytes[13] = uchar(f1);
    r.bytes[14] = uchar(f2);
    r.bytes[15] = uchar(f4);
    r.bytes[16] = uchar(f3);
    return send(r.bytes, "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    Report r(0x13, 1, 1);
    putSeconds(r.bytes + 9, lightSleep);
    putSeconds(r.bytes + 11, keyboardSleep);
    r.bytes[13] = uchar(prohibitSleep);
    send(r.bytes, "---------- *** [Set Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::checkSleepTime()
{
    send(Report(0x13, 2, 1).bytes, "---------- *** [Check Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::querySensitivity()
{
    Report r(0x29, 0, 0x18);
    r.bytes[6] = 0x04;
    send(r.bytes, sensitivityFailure);
}

void DDeviceHidCmdSend::queryAntiShake()
{
    Report r(0x29, 0, 0x18);
    r.bytes[6] = 0x0A;
    send(r.bytes, sensitivityFailure);
}

void DDeviceHidCmdSend::queryRateOfReturn()
{
    Report r(0x29, 0, 0x18);
    r.bytes[6] = 0x09;
    send(r.bytes, sensitivityFailure);
}
