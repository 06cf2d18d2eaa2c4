#include "hid/MainHidInterFace.h"

#include "app/logCategories.h"
#include "hid/reports/DLightStreamReport.h"
#include "hid/reports/DLinkReports.h"
#include "hid/reports/DReportNumbers.h"

#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"

#include <QDebug>
#include <QMetaMethod>
#include <QTimer>
#include <cstring>

namespace {

constexpr int kTimerInterval = 100;

// A stream batch is one whole light frame of the model: the limit is the
// frame's report count less the one push that releases it.
int batchLimitFor(const QString& modelCode)
{
    const ModelInfo* model = ModelCatalogue::instance().find(modelCode);
    return (model ? model->streamBatchSize() : ModelInfo().streamBatchSize()) - 1;
}

uchar* copyReport(const uchar* report)
{
    auto* copy = new uchar[MainHidInterFace::kReportSize];
    std::memcpy(copy, report, MainHidInterFace::kReportSize);
    return copy;
}

struct MetaTypes
{
    MetaTypes()
    {
        qRegisterMetaType<unsigned char*>("unsigned char*");
        qRegisterMetaType<unsigned char*>("uchar*");
    }
};

} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, QString strHidName, QObject* parent)
    : QThread(parent)
    , m_threadIndex(threadIndex)
    , m_strHidName(std::move(strHidName))
    , m_shakeHandsTimer(new QTimer(this))
    , m_batchLimit(batchLimitFor(m_strHidName))
{
    static const MetaTypes kMetaTypes;
    // The thread's name in the system's process lists and profiles.
    setObjectName(QStringLiteral("hid-io"));
    m_shakeHandsTimer->setInterval(kHandshakeIntervalMs);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);
    COrvaneHid_highPrecisionTimerInit(m_timerState);
    COrvaneHid_highPrecisionTimerStart(m_timerState[0], m_timerState[1]);
}

MainHidInterFace::~MainHidInterFace()
{
    closeDevice();
    quit();
    wait();
}

int MainHidInterFace::openDevice(QString path)
{
    m_strHidPath = path;
    m_hidPathLatin1 = path.toLatin1();
    m_hidHandle = COrvaneHid_OpenPath(m_hidPathLatin1.constData());
    if (m_hidHandle == 0) {
        qCDebug(lcLink, "Unable to open device\n");
        m_isOpen = false;
        return -1;
    }
    qCDebug(lcLink, "Open device success");
    m_leavingNormalMode = false;
    m_isOpen = true;
    queueCmdReport(DLinkReports::serialNumberInquiry(), DCommandQueue::Kind::Inquiry);
    m_shakeHandsTimer->start();
    COrvaneHid_SetNonblocking(m_hidHandle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

void MainHidInterFace::onShakeHandsRuning()
{
    if (!m_isOpen)
        return;
    queueCmdReport(DLinkReports::handshake(), DCommandQueue::Kind::Inquiry);
}

int MainHidInterFace::queueCmdReport(const DReportFrame& report, DCommandQueue::Kind kind)
{
    if (!m_isOpen)
        return -1;
    if (m_leavingNormalMode)
        return 0;
    if (report.command() == DReportNumbers::kEnterBootloader) {
        m_leavingNormalMode = true;
        QMutexLocker streamLock(&m_streamMutex);
        m_streamQueue.clear();
        m_gathering = false;
        m_gathered.clear();
        m_heldFrame.clear();
    }
    QMutexLocker lock(&m_cmdMutex);
    // A repeated inquiry is not queued, and a dropped one never reaches
    // the write step that would count it off.
    const int before = m_cmdQueue.size();
    m_cmdQueue.append(report, kind);
    m_cmdPending += m_cmdQueue.size() - before;
    COrvaneHid_Wake(m_hidHandle);
    return 0;
}

int MainHidInterFace::queueStreamReport(const DReportFrame& report)
{
    if (!m_isOpen)
        return -1;
    QMutexLocker lock(&m_streamMutex);
    if (!m_streamEnabled || m_leavingNormalMode)
        return 0;
    // The keyboard takes a light frame only whole: a frame is gathered from
    // its first key packet on, and a frame that begins over an unfinished one
    // replaces it. A whole frame goes at once when the stream is idle; one
    // that is whole while the last still drains is held and goes at the next
    // write slot after it, a newer whole frame taking its place.
    if (DLightStreamReport::isFrameStart(report)) {
        m_gathered.clear();
        m_gathering = true;
    }
    if (!m_gathering)
        return 0;
    m_gathered.append(report);
    if (m_gathered.size() > m_batchLimit) {
        m_gathering = false;
        if (m_streamQueue.isEmpty()) {
            m_streamQueue.swap(m_gathered);
            COrvaneHid_Wake(m_hidHandle);
        } else {
            m_heldFrame.swap(m_gathered);
        }
        m_gathered.clear();
    }
    return 0;
}

void MainHidInterFace::setStreamEnabled(bool enabled)
{
    {
        // Frames not yet begun are dropped; one already draining drains, so
        // the keyboard never sees a cut frame.
        QMutexLocker lock(&m_streamMutex);
        m_streamEnabled = enabled;
        m_gathering = false;
        m_gathered.clear();
        m_heldFrame.clear();
    }
    if (enabled && m_isOpen)
        COrvaneHid_Wake(m_hidHandle);
}

int MainHidInterFace::closeDevice()
{
    if (!m_isOpen)
        return 0;
    m_isOpen = false;
    {
        // Not under a read or write of the I/O thread; the library itself
        // also tolerates a close during a pacing wait.
        QMutexLocker readLock(&m_readMutex);
        QMutexLocker writeLock(&m_writeMutex);
        COrvaneHid_Close(m_hidHandle);
        m_hidHandle = 0;
    }
    m_shakeHandsTimer->stop();
    COrvaneHid_highPrecisionTimerStop(m_timerState[0], m_timerState[1]);
    return 0;
}

void MainHidInterFace::run()
{
    while (m_isOpen) {
        if (!m_readTurn && !hasReportToWrite())
            sleepUntilWork();
        if (m_readTurn) {
            readStep();
            COrvaneHid_highPrecisionTimerRuning(kTimerInterval, m_timerState[0], m_timerState[1]);
            continue;
        }
        if (m_writeSlotOwed) {
            // The last write went with nothing after it, so its two intervals
            // were not slept: a report queued within them waits for the rest
            // (a deadline already past returns at once).
            m_writeSlotOwed = false;
            COrvaneHid_highPrecisionTimerRuningSteps(2, m_timerState[0], m_timerState[1]);
        }
        writeStep();
        if (inputWaiting()) {
            COrvaneHid_highPrecisionTimerRuning(kTimerInterval, m_timerState[0], m_timerState[1]);
        } else {
            // A read turn with no report waiting would wake the thread only
            // for an empty read, twice per report of a light stream: its
            // interval and the write's pass as one wait. The keyboard still
            // gets at most one write per two intervals; a report that
            // arrives meanwhile is read at the next read turn. After the last
            // report queued the thread sleeps until there is work instead,
            // so each report written costs one wake-up, not one more.
            m_readTurn = false;
            if (hasReportToWrite()) {
                COrvaneHid_highPrecisionTimerRuningSteps(2, m_timerState[0], m_timerState[1]);
            } else {
                // The owed intervals count from this write, not from a
                // deadline long past.
                COrvaneHid_highPrecisionTimerStart(m_timerState[0], m_timerState[1]);
                m_writeSlotOwed = true;
            }
        }
    }
}

bool MainHidInterFace::inputWaiting()
{
    return m_isOpen && COrvaneHid_WaitForInput(m_hidHandle, 0) > 0;
}

bool MainHidInterFace::hasReportToWrite()
{
    {
        QMutexLocker lock(&m_cmdMutex);
        if (!m_cmdQueue.isEmpty())
            return true;
    }
    QMutexLocker lock(&m_streamMutex);
    return !m_streamQueue.isEmpty();
}

void MainHidInterFace::sleepUntilWork()
{
    // Nothing to write: rather than wake every pacing interval for an empty
    // write and an empty read, sleep until the keyboard sends a report or a
    // report is queued (both pushes and the close wake the wait).
    const int ready = COrvaneHid_WaitForInput(m_hidHandle, -1);
    // Pacing starts again from now instead of from a deadline long past,
    // unless the last write's intervals are still owed: they count from it.
    if (!m_writeSlotOwed)
        COrvaneHid_highPrecisionTimerStart(m_timerState[0], m_timerState[1]);
    if (ready > 0 && !hasReportToWrite())
        m_readTurn = true;
}

void MainHidInterFace::writeStep()
{
    {
        QMutexLocker writeLock(&m_writeMutex);
        DReportFrame report;
        bool taken = false;
        bool command = false;
        {
            QMutexLocker lock(&m_cmdMutex);
            if (!m_cmdQueue.isEmpty()) {
                report = m_cmdQueue.takeFirst();
                taken = command = true;
            }
        }
        if (!taken) {
            QMutexLocker lock(&m_streamMutex);
            if (!m_streamQueue.isEmpty()) {
                report = m_streamQueue.takeFirst();
                taken = true;
                if (m_streamQueue.isEmpty())
                    m_streamQueue.swap(m_heldFrame);
            }
        }
        if (taken) {
            if (m_isOpen && COrvaneHid_HidWriteBuff(m_hidHandle, report.data(), m_hidPathLatin1.constData()) == -1) {
                ++m_writeFailures;
                if (command) {
                    ++m_commandWriteFailures;
                    // The keyboard did not get it: it stays in its normal mode.
                    if (report.command() == DReportNumbers::kEnterBootloader)
                        m_leavingNormalMode = false;
                    qCDebug(lcLink) << "-----------------------------------------****************** Send error, Cmd:"
                             << int(report.command());
                }
            }
            if (command)
                --m_cmdPending;
        }
    }
    m_readTurn = true;
}

void MainHidInterFace::readStep()
{
    {
        QMutexLocker readLock(&m_readMutex);
        uchar buffer[kReportSize] = {};
        const int n = m_isOpen ? COrvaneHid_HidReadBuff(m_hidHandle, buffer) : 0;
        if (n > 0) {
            // The receiving slot frees the copy; with nobody listening there
            // would be no one to free it.
            if (buffer[1] == DReportNumbers::kSerialNumberAnswer) {
                if (isSignalConnected(QMetaMethod::fromSignal(&MainHidInterFace::sigHidSnGetOver)))
                    emit sigHidSnGetOver(copyReport(buffer), m_strHidName);
            } else if (isSignalConnected(QMetaMethod::fromSignal(&MainHidInterFace::sigHidDataArrived))) {
                emit sigHidDataArrived(copyReport(buffer), n, m_threadIndex);
            }
        }
    }
    m_readTurn = false;
}
