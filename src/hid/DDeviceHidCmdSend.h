#pragma once

#include "hid/DCommandQueue.h"

#include <QObject>
#include <QString>

class MainHidInterFace;

// Queues the link's fixed command reports, as DLinkReports and
// DMagneticReports build them, on the keyboard's I/O thread, and logs a
// report that could not be queued.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceHidCmdSend(QObject* parent = nullptr);

    void setHidInterface(MainHidInterFace* hidInterface);

    QString writeSerialNumber(QString sn);
    void writeKeyboardReport(const uchar* keys);
    void writeFullKeyReport(const uchar* inputReport);
    void inquireSideLightModeList();
    void inquireKeyboardLightConfig();
    void inquireSideLightConfig();
    void inquireLightModeList();
    void checkLayoutSupportCustom();
    void resetKeyboard();
    int setLockWinKeyFeatures(int f1, int f2, int f3, int f4);
    void setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep);
    void checkSleepTime();
    void querySensitivity();
    void queryAntiShake();
    void queryRateOfReturn();

private:
    int send(const DReportFrame& report, const char* failureLine,
             DCommandQueue::Kind kind = DCommandQueue::Kind::Command);

    MainHidInterFace* m_hidInterface = nullptr;
};
