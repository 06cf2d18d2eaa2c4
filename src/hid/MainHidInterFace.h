#pragma once

#include "hid/DCommandQueue.h"
#include "hid/reports/DReportFrame.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>

class QTimer;

// The I/O thread of one opened keyboard: two queues of outgoing reports
// (commands, and the light stream released in whole frames), the 1000 ms
// handshake, and a loop that alternates one write step and one read step
// with one pacing interval after each; a read step with no report waiting
// is left out, its interval kept. With nothing to write the loop sleeps
// until the keyboard sends a report or a report is queued.
class MainHidInterFace : public QThread
{
    Q_OBJECT

public:
    static constexpr int kReportSize = DReportFrame::kSize;
    static constexpr int kHandshakeIntervalMs = 1000;

    MainHidInterFace(int threadIndex, QString strHidName, QObject* parent = nullptr);
    ~MainHidInterFace() override;

    int openDevice(QString path);
    int queueCmdReport(const DReportFrame& report, DCommandQueue::Kind kind = DCommandQueue::Kind::Command);
    int queueStreamReport(const DReportFrame& report);
    void setStreamEnabled(bool enabled);
    int closeDevice();

    bool isOpen() const { return m_isOpen; }
    // Stream pushes a batch holds before the next one releases it.
    int streamBatchLimit() const { return m_batchLimit; }
    // Reports the library failed to write, since opening; the download
    // reads it so that it never reports success for reports that did not
    // reach the keyboard.
    int writeFailureCount() const { return m_writeFailures; }
    int commandWriteFailureCount() const { return m_commandWriteFailures; }
    // Command reports queued and not yet through their write: the download
    // waits for none before it trusts writeFailureCount().
    int pendingCmdReports() const { return m_cmdPending; }
    // After the enter-bootloader report the keyboard is in its bootloader
    // (or on its way there): reports queued from then on are dropped, not
    // sent, until the keyboard is opened again or that report failed.
    bool isLeavingNormalMode() const { return m_leavingNormalMode; }

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(unsigned char* data, int length, int threadIndex);
    void sigHidSnGetOver(unsigned char* data, QString strHidName);

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    bool hasReportToWrite();
    bool inputWaiting();
    void sleepUntilWork();
    void writeStep();
    void readStep();

    uint32_t m_timerState[2] = {0, 0};
    int m_threadIndex;
    QString m_strHidName;
    std::atomic<int> m_hidHandle{0};
    std::atomic<bool> m_isOpen{false};
    QString m_strHidPath;
    QByteArray m_hidPathLatin1;
    QTimer* m_shakeHandsTimer;
    std::atomic<bool> m_streamEnabled{false};
    bool m_readTurn = false;
    bool m_writeSlotOwed = false;
    QMutex m_streamMutex;
    QMutex m_cmdMutex;
    QMutex m_readMutex;
    QMutex m_writeMutex;
    DCommandQueue m_cmdQueue;
    // Guarded by m_streamMutex: the frame draining, the frame being
    // gathered, and a whole frame waiting for the draining one.
    QList<DReportFrame> m_streamQueue;
    QList<DReportFrame> m_gathered;
    bool m_gathering = false;
    QList<DReportFrame> m_heldFrame;
    int m_batchLimit;
    std::atomic<int> m_writeFailures{0};
    std::atomic<int> m_commandWriteFailures{0};
    std::atomic<int> m_cmdPending{0};
    // Set when the enter-bootloader report is queued: the keyboard leaves
    // its normal mode with it, so nothing queued later is for it.
    std::atomic<bool> m_leavingNormalMode{false};
};
