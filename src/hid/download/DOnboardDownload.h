#pragma once

#include "hid/download/DOnboardDownloadPlan.h"
#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class MainHidInterFace;

// Writes the selected keyboard's key maps, macros and advanced keys into
// its own memory. Runs on the GUI thread from start to end: key-map and
// advanced-key reports are queued at once, macro reports stop-and-wait on
// the keyboard's 0x19 acknowledgements (processing events meanwhile). A
// failed attempt is repeated once.
class DOnboardDownload : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Successful,
        Failed,
        // Nothing was sent: the configuration does not fit the keyboard.
        Refused,
        // A download was already running; this one did not start.
        Busy,
    };

    static constexpr int kAckWaitMs = 100;
    static constexpr int kMaxSends = 4; // once and three resends
    static constexpr int kMaxAttempts = 2;
    static constexpr int kWriteWaitMs = 3000;

    explicit DOnboardDownload(QObject* parent = nullptr);

    // May be null (no keyboard selected); followed if it is destroyed.
    void setHidInterface(MainHidInterFace* hidInterface);

    // usages: the HID usage of every key cap in key-list order.
    // seniorKeyPath: the advanced-key file, read for magnetic keyboards.
    Outcome run(const QString& profileFolder, const QVector<int>& usages, bool magnetic,
                const QByteArray& seniorKeyPath);

    // The toast text for the last outcome.
    QString message() const { return m_message; }
    bool isRunning() const { return m_running; }
    int attemptsMade() const { return m_attempts; }
    int downloadStatus() const { return m_downloadStatus; }

public slots:
    // Every 0x19 report of the keyboard: the last macro report arrived.
    void onRuningOnboard0x19Cmd();
    // A state report with a download status; kept, not decisive.
    void onRuningOnboardDownloadStatus(int statusNun);

private:
    enum class Attempt { Succeeded, Failed, Refused };

    void loadSeniorKeys(const QByteArray& path);
    Attempt runAttempt(const QString& profileFolder, const QVector<int>& usages, bool magnetic);
    void resetAttempt();
    bool awaitAcknowledgement();
    void sendMacroReportAcked(const DReportFrame& report);
    bool queue(const DReportFrame& report);
    bool waitForWrites();
    bool interfaceOpen() const;

    QPointer<MainHidInterFace> m_hid;
    QMap<int, seniorKeyInfoStu> m_seniorKeyMap;
    DReportFrame m_lastMacroReport;
    bool m_macroAcked = true;
    bool m_macroDownloadOk = true;
    bool m_macroSent = false;
    bool m_reportRefused = false;
    int m_downloadStatus = -1;
    int m_attempts = 0;
    bool m_running = false;
    QString m_message;
};
