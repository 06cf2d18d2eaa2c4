#pragma once

#include <QObject>
#include <QString>

class MainHidInterFace;

// Builds the link's fixed command reports and queues them on the keyboard's
// I/O thread. Every report starts as 64 zero bytes with report id 0x01.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    static constexpr int serialNumberLength = 32;

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
    int send(const uchar* report, const char* failureLine);

    MainHidInterFace* m_hidInterface = nullptr;
};
