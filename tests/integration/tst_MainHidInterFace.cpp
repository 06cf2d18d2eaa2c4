#include "support/TestMain.h"

#include "hid/MainHidInterFace.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <ctime>
#include <memory>

namespace {

constexpr int64_t kMsNs = 1000000;

// What the keyboard received, as a sequence of (byte 0, byte 1, byte 2).
struct Written
{
    int64_t timeNs;
    uint8_t id, command, marker;
};

std::vector<Written> written(const SimulatedKeyboard& keyboard)
{
    std::vector<Written> list;
    for (const auto& e : keyboard.receivedReports())
        list.push_back({e.timeNs, e.bytes[0], e.bytes[1], e.bytes[6]});
    return list;
}

int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int countCommand(const SimulatedKeyboard& keyboard, uint8_t command)
{
    return keyboard.receivedCount(command);
}

// The id of this process's thread that gave itself `name`; 0 when none did.
pid_t threadNamed(const char* name)
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
            return pid_t(tid.toInt());
    }
    return 0;
}

// How often a thread has gone to sleep of its own accord so far.
long voluntarySwitches(pid_t tid)
{
    QFile status(QStringLiteral("/proc/self/task/%1/status").arg(tid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return -1;
}

// The report at `index` of a light frame (8 key packets, then the side
// packets), carrying a marker in its first colour byte.
DReportFrame streamReport(int index, uchar marker)
{
    constexpr int kKeyPackets = 8;
    DReportFrame r(0x0E, index < kKeyPackets ? 0 : 1);
    r.setPacket(index < kKeyPackets ? index : index - kKeyPackets);
    r.setPayloadByte(0, marker);
    return r;
}

DReportFrame command(uchar cmd, uchar marker = 0)
{
    DReportFrame r(cmd);
    r.setPayloadByte(0, marker);
    return r;
}

} // namespace

class tst_MainHidInterFace : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorHarness> m_sim;

    OpenedKeyboard open(const char* model, bool start = true, bool viaReceiver = false)
    {
        return OpenedKeyboard(*m_sim, model, 7, start, viaReceiver);
    }

    static void close(OpenedKeyboard& o) { QVERIFY(o.close(2000)); }

    // Waits until the handshake-free traffic has settled (the 0x14 inquiry
    // is written and answered).
    static void settle(OpenedKeyboard& o)
    {
        QTRY_COMPARE(o.sink()->serialNumbers.size(), 1);
        o.keyboard()->clearLog();
    }

private slots:
    void init() { m_sim = std::make_unique<SimulatorHarness>(); }
    void cleanup()
    {
        QCoreApplication::sendPostedEvents();
        m_sim.reset();
    }

    void firstWriteIsTheSerialInquiryAndItsAnswerGoesToSerialSignal()
    {
        OpenedKeyboard o = open("OV68M");
        QVERIFY(o.hid() && o.hid()->isRunning());
        QTRY_VERIFY(!o.keyboard()->receivedReports().empty());
        const auto first = o.keyboard()->receivedReports().front().bytes;
        QCOMPARE(int(first[0]), 0x00);
        QCOMPARE(int(first[1]), 0x14);
        for (int i = 2; i < 64; ++i)
            QCOMPARE(int(first[i]), 0);
        QTRY_COMPARE(o.sink()->serialNumbers.size(), 1);
        QCOMPARE(o.sink()->serialNames.front(), QStringLiteral("OV68M"));
        QCOMPARE(o.sink()->serialNumbers.front().mid(6, 32).toStdString(), o.keyboard()->serialNumber());
        QVERIFY(o.sink()->data.isEmpty());

        // A serial report that comes again goes the same way, every other
        // report to the data signal with the length read and the index.
        SimulatedKeyboard::Report again{};
        again[1] = 0x15;
        o.keyboard()->injectInput(again);
        SimulatedKeyboard::Report other{};
        other[1] = 0x0A;
        other[63] = 0x77;
        o.keyboard()->injectInput(other, 40);
        QTRY_COMPARE(o.sink()->serialNumbers.size(), 2);
        QTRY_COMPARE(o.sink()->data.size(), 1);
        QCOMPARE(o.sink()->data.front().length, 40);
        QCOMPARE(o.sink()->data.front().threadIndex, 7);
        QCOMPARE(int(uchar(o.sink()->data.front().bytes[1])), 0x0A);
        QCOMPARE(int(uchar(o.sink()->data.front().bytes[63])), 0); // nothing behind a short report
        close(o);
    }

    void failedOpenStartsNothing()
    {
        MainHidInterFace hid(1, QStringLiteral("OV68M"));
        QTest::ignoreMessage(QtDebugMsg, "Unable to open device\n");
        QCOMPARE(hid.openDevice(QStringLiteral("sim:99/1#vid_1209&pid_0002&mi_01")), -1);
        QVERIFY(!hid.isOpen());
        const DReportFrame report(2);
        QCOMPARE(hid.queueCmdReport(report), -1);
        QCOMPARE(hid.queueStreamReport(report), -1);
        QCOMPARE(hid.closeDevice(), 0);
    }

    void handshakeEverySecond()
    {
        OpenedKeyboard o = open("OV61M");
        settle(o);
        QTest::qWait(3300);
        std::vector<int64_t> times;
        for (const auto& e : o.keyboard()->receivedReports()) {
            if (e.bytes[1] == 0x00) {
                QCOMPARE(int(e.bytes[0]), 0);
                QCOMPARE(int(e.bytes[5]), 1);
                QCOMPARE(int(e.bytes[6]), 0);
                times.push_back(e.timeNs);
            }
        }
        QVERIFY2(times.size() >= 2 && times.size() <= 4, qPrintable(QString::number(times.size())));
        for (size_t i = 1; i < times.size(); ++i) {
            const int64_t gap = (times[i] - times[i - 1]) / kMsNs;
            QVERIFY2(gap >= 900 && gap <= 1500, qPrintable(QString::number(gap)));
        }
        close(o);
    }

    void writesAndReadsAlternateWithPacing()
    {
        OpenedKeyboard o = open("OV61M");
        settle(o);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(o.hid()->queueCmdReport(command(0x16, uchar(i))), 0);
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x16), 40);
        const auto log = written(*o.keyboard());
        const auto polls = o.keyboard()->readPolls();
        std::vector<int64_t> writes;
        for (const auto& w : log) {
            if (w.command == 0x16) {
                QCOMPARE(int(w.marker), int(writes.size())); // oldest first
                writes.push_back(w.timeNs);
            }
        }
        for (size_t i = 1; i < writes.size(); ++i) {
            // At most one read step between two writes: none while no
            // report waits (these commands get no answer).
            const auto between = std::count_if(polls.begin(), polls.end(),
                                               [&](int64_t t) { return t > writes[i - 1] && t < writes[i]; });
            QVERIFY2(between <= 1, qPrintable(QString::number(between)));
            // Two pacing intervals per write. The deadlines are absolute, so
            // a late step makes the next wait shorter: the bound holds for
            // the sum, less the lateness of the first write.
            const int64_t since = writes[i] - writes[0];
            QVERIFY2(since >= int64_t(2 * i - 1) * kMsNs, qPrintable(QString::number(since)));
        }
        close(o);
    }

    // With nothing to write the loop sleeps: an idle link reads once per
    // handshake, where a loop that woke every pacing interval would read
    // some 750 times in the same 1.5 s.
    void idleLinkSleepsUntilThereIsWork()
    {
        OpenedKeyboard o = open("OV68M");
        o.keyboard()->setStateOnHandshake(true);
        settle(o);
        QTest::qWait(1500);
        const size_t polls = o.keyboard()->readPolls().size();
        const size_t writes = o.keyboard()->receivedReports().size();
        QVERIFY2(writes >= 1 && writes <= 3, qPrintable(QString::number(writes)));
        QVERIFY2(polls <= 2 * writes + 2, qPrintable(QStringLiteral("%1 reads, %2 writes").arg(polls).arg(writes)));
        // Each handshake's state answer was read all the same.
        QTRY_VERIFY(size_t(o.sink()->data.size()) >= writes);
        close(o);
    }

    // An idle link neither holds a keyboard report back nor a queued
    // command: each goes through well within the bound (some 2 ms on an
    // unloaded machine; the bound is loose for a loaded one).
    void idleLinkActsAtOnce_data()
    {
        QTest::addColumn<bool>("fromKeyboard");
        QTest::newRow("key report read") << true;
        QTest::newRow("command written") << false;
    }
    void idleLinkActsAtOnce()
    {
        QFETCH(bool, fromKeyboard);
        OpenedKeyboard o = open("OV68M");
        settle(o);
        std::vector<int64_t> delays;
        for (int round = 0; round < 15; ++round) {
            QTest::qWait(25); // past the last step: the loop sleeps again
            const int64_t before = monotonicNs();
            if (fromKeyboard) {
                o.keyboard()->sendKeyReport({0, 0, uint8_t(4 + round)});
                // Watched closely, off the I/O thread, until it has been read.
                while (o.keyboard()->pendingInput() != 0 && monotonicNs() - before < 2000 * kMsNs)
                    QThread::usleep(100);
                QCOMPARE(o.keyboard()->pendingInput(), 0);
                delays.push_back(monotonicNs() - before);
            } else {
                QCOMPARE(o.hid()->queueCmdReport(command(0x16, uchar(round))), 0);
                QTRY_COMPARE_WITH_TIMEOUT(countCommand(*o.keyboard(), 0x16), round + 1, 2000);
                delays.push_back(o.keyboard()->receivedReports().back().timeNs - before);
            }
        }
        std::sort(delays.begin(), delays.end());
        const int64_t median = delays[delays.size() / 2];
        QVERIFY2(median <= 20 * kMsNs, qPrintable(QStringLiteral("median %1 us").arg(median / 1000)));
        if (fromKeyboard) {
            const auto keyReports = [&] {
                return std::count_if(o.sink()->data.begin(), o.sink()->data.end(),
                                     [](const ReportSink::Arrival& a) { return a.bytes[1] == 0x04; });
            };
            QTRY_COMPARE(int(keyReports()), 15);
        }
        close(o);
    }

    void streamBatchRule_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("batch");
        QTest::newRow("no side light: 10") << "OV61M" << 10;
        QTest::newRow("33 side LEDs: 10") << "OV82" << 10;
        QTest::newRow("45 side LEDs: 11") << "OV68M" << 11;
        QTest::newRow("51 side LEDs: 11") << "OV98M" << 11;
    }
    void streamBatchRule()
    {
        QFETCH(QString, model);
        QFETCH(int, batch);
        OpenedKeyboard o = open(model.toLatin1().constData());
        QCOMPARE(o.hid()->streamBatchLimit(), batch - 1);
        settle(o);
        const auto markers = [&] {
            std::vector<int> list;
            for (const auto& w : written(*o.keyboard())) {
                if (w.command == 0x0E)
                    list.push_back(w.marker);
            }
            return list;
        };
        const auto frameOf = [&](int first) {
            std::vector<int> list;
            for (int i = 0; i < batch; ++i)
                list.push_back(first + i);
            return list;
        };
        const auto push = [&](int first, int from, int to) {
            for (int i = from; i < to; ++i)
                QCOMPARE(o.hid()->queueStreamReport(streamReport(i, uchar(first + i))), 0);
        };

        // Streaming off: pushes are accepted and nothing is queued.
        QCOMPARE(o.hid()->queueStreamReport(streamReport(0, 200)), 0);
        o.hid()->setStreamEnabled(true);
        push(0, 0, batch - 1);
        QTest::qWait(60);
        QCOMPARE(countCommand(*o.keyboard(), 0x0E), 0); // held until complete

        // A frame that begins while the batch drains waits until it is
        // whole, and then goes after the batch.
        push(0, batch - 1, batch);
        push(100, 0, 3);
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E), batch);
        QTest::qWait(30);
        QCOMPARE(countCommand(*o.keyboard(), 0x0E), batch);
        push(100, 3, batch);
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E), 2 * batch);
        std::vector<int> expected = frameOf(0);
        const std::vector<int> second = frameOf(100);
        expected.insert(expected.end(), second.begin(), second.end());
        QCOMPARE(markers(), expected);

        // Streaming off drops a frame being gathered; its last packet, after
        // streaming is back, completes nothing.
        o.keyboard()->clearLog();
        push(50, 0, batch - 1);
        o.hid()->setStreamEnabled(false);
        o.hid()->queueStreamReport(streamReport(0, 99));
        o.hid()->setStreamEnabled(true);
        push(50, batch - 1, batch);
        QTest::qWait(40);
        QCOMPARE(countCommand(*o.keyboard(), 0x0E), 0);

        // A frame that begins over an unfinished one replaces it: the next
        // batch is the new frame alone.
        push(150, 0, 4);
        push(0, 0, batch);
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E), batch);
        QTest::qWait(30);
        QCOMPARE(markers(), frameOf(0));

        // Whole frames that come while one drains: the newest goes after it,
        // the ones it replaced never, and none is cut. (A machine that lets
        // the first drain before the second is whole sends that one too.)
        o.keyboard()->clearLog();
        const int cutBefore = o.keyboard()->lighting().cutFrames();
        push(0, 0, batch);
        push(100, 0, batch);
        push(150, 0, batch);
        QTRY_VERIFY(!markers().empty() && markers().back() == 150 + batch - 1);
        QTest::qWait(30);
        std::vector<int> latestWins = frameOf(0);
        const std::vector<int> last = frameOf(150);
        latestWins.insert(latestWins.end(), last.begin(), last.end());
        if (markers().size() == size_t(3 * batch)) {
            latestWins = frameOf(0);
            for (int first : {100, 150}) {
                const std::vector<int> frame = frameOf(first);
                latestWins.insert(latestWins.end(), frame.begin(), frame.end());
            }
        }
        QCOMPARE(markers(), latestWins);
        QCOMPARE(o.keyboard()->lighting().cutFrames(), cutBefore);
        close(o);
    }

    // Each report of a light stream costs the I/O thread one wake-up: one
    // pacing sleep to the next write slot, and after a frame's last report a
    // single sleep until the next frame, whether the frames come apart or
    // one is held while another drains. Counted as the thread's voluntary
    // context switches, each of which is a sleep that ended.
    void eachStreamReportCostsOneWakeUp_data()
    {
        QTest::addColumn<bool>("backToBack");
        QTest::newRow("frames apart") << false;
        QTest::newRow("frames back to back") << true;
    }
    void eachStreamReportCostsOneWakeUp()
    {
        QFETCH(bool, backToBack);
        OpenedKeyboard o = open("OV68M");
        settle(o);
        const int batch = o.hid()->streamBatchLimit() + 1;
        const pid_t io = threadNamed("hid-io");
        QVERIFY(io > 0);
        o.hid()->setStreamEnabled(true);
        o.keyboard()->clearLog();
        constexpr int kFrames = 40;
        const long before = voluntarySwitches(io);
        for (int frame = 0; frame < kFrames; ++frame) {
            const int written = countCommand(*o.keyboard(), 0x0E);
            for (int i = 0; i < batch; ++i)
                o.hid()->queueStreamReport(streamReport(i, uchar(frame)));
            if (backToBack) // the next frame comes while this one drains
                QTRY_VERIFY(countCommand(*o.keyboard(), 0x0E) > written);
            else // the thread has gone to sleep before the next one
                QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E), written + batch);
        }
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E) % batch, 0);
        QTest::qWait(20);
        const long wakeUps = voluntarySwitches(io) - before;
        const int reports = countCommand(*o.keyboard(), 0x0E);
        // Each other report (the handshake) takes a write, maybe a read, and
        // their sleeps; a machine that stalls a push for an interval may make
        // an early wake-up wait once more, which a frame in four may do.
        const int others = int(o.keyboard()->receivedReports().size()) - reports;
        const int allowed = reports + 3 * others + kFrames / 4;
        QVERIFY2(reports >= 4 * batch && wakeUps <= allowed,
                 qPrintable(QStringLiteral("%1 wake-ups for %2 stream reports and %3 others")
                                .arg(wakeUps)
                                .arg(reports)
                                .arg(others)));
        close(o);
    }

    void commandOvertakesADrainingBatch()
    {
        OpenedKeyboard o = open("OV68M");
        settle(o);
        o.hid()->setStreamEnabled(true);
        // A busy machine may let the whole batch drain before the command is
        // pushed; then the round proves nothing and runs again.
        for (int attempt = 0; attempt < 10; ++attempt) {
            o.keyboard()->clearLog();
            for (int i = 0; i < 11; ++i)
                o.hid()->queueStreamReport(streamReport(i, uchar(i)));
            // Catch the batch while it drains (it takes some 22 ms).
            QElapsedTimer clock;
            clock.start();
            while (countCommand(*o.keyboard(), 0x0E) < 1 && clock.elapsed() < 2000)
                QThread::usleep(50);
            const int before = countCommand(*o.keyboard(), 0x0E);
            QCOMPARE(o.hid()->queueCmdReport(command(0x09)), 0);
            QTRY_COMPARE(countCommand(*o.keyboard(), 0x0E), 11);
            QTRY_COMPARE(countCommand(*o.keyboard(), 0x09), 1);
            if (before >= 10)
                continue;
            int streamBeforeCommand = -1;
            int seen = 0;
            for (const auto& w : written(*o.keyboard())) {
                if (w.command == 0x0E)
                    ++seen;
                else if (w.command == 0x09)
                    streamBeforeCommand = seen;
            }
            QVERIFY2(streamBeforeCommand >= before && streamBeforeCommand <= before + 1,
                     qPrintable(QStringLiteral("%1 then %2").arg(before).arg(streamBeforeCommand)));
            close(o);
            return;
        }
        QFAIL("the batch always drained before the command was pushed");
    }

    void writeFailuresAreCounted()
    {
        OpenedKeyboard o = open("OV61M");
        settle(o);
        o.keyboard()->failWrites(3);
        QTest::ignoreMessage(QtDebugMsg,
                             "-----------------------------------------****************** Send error, Cmd: 24");
        QTest::ignoreMessage(QtDebugMsg,
                             "-----------------------------------------****************** Send error, Cmd: 23");
        QTest::ignoreMessage(QtDebugMsg,
                             "-----------------------------------------****************** Send error, Cmd: 42");
        o.hid()->queueCmdReport(command(0x18));
        o.hid()->queueCmdReport(command(0x17));
        o.hid()->queueCmdReport(command(0x2A));
        o.hid()->queueCmdReport(command(0x16));
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x16), 1);
        QCOMPARE(o.hid()->writeFailureCount(), 3);
        QCOMPARE(o.hid()->commandWriteFailureCount(), 3);
        QCOMPARE(countCommand(*o.keyboard(), 0x18), 0); // dropped, not resent
        close(o);
    }

    void readFailuresAndFloodsKeepTheLoopGoing()
    {
        OpenedKeyboard o = open("OV61M");
        settle(o);
        o.keyboard()->failReads(20);
        o.keyboard()->flood(0x01, 300);
        o.hid()->queueCmdReport(command(0x16));
        QTRY_COMPARE(countCommand(*o.keyboard(), 0x16), 1);
        QTRY_COMPARE_WITH_TIMEOUT(o.sink()->data.size(), 300, 10000);
        close(o);
    }

    void unplugMidTransfer()
    {
        OpenedKeyboard o = open("OV61M");
        settle(o);
        o.keyboard()->unplugAfterWrites(3);
        for (int i = 0; i < 10; ++i)
            o.hid()->queueCmdReport(command(0x17, uchar(i)));
        QTRY_COMPARE(o.hid()->commandWriteFailureCount(), 7);
        QCOMPARE(countCommand(*o.keyboard(), 0x17), 3);
        QVERIFY(m_sim->bus().keyboards().empty());
        close(o);
    }

    // After the enter-bootloader report the keyboard is in its bootloader:
    // what is queued later (light frames behind the receiver, handshakes,
    // stream packets) is not sent to it, so nothing fails; a new opening
    // speaks to the keyboard again.
    void nothingFollowsTheEnterBootloaderReport_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::newRow("cable") << false;
        QTest::newRow("receiver") << true;
    }
    void nothingFollowsTheEnterBootloaderReport()
    {
        QFETCH(bool, viaReceiver);
        OpenedKeyboard o = open("OV84W", true, viaReceiver);
        settle(o);
        o.hid()->setStreamEnabled(true);
        o.hid()->queueCmdReport(command(0x0A));
        QVERIFY(o.hid()->isLeavingNormalMode());
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(o.hid()->queueCmdReport(command(0x28, uchar(i))), 0);
            o.hid()->onShakeHandsRuning();
            for (int packet = 0; packet < 9; ++packet)
                QCOMPARE(o.hid()->queueStreamReport(streamReport(packet, uchar(i))), 0);
        }
        QTRY_VERIFY(!m_sim->bus().bootloaders().empty());
        QTRY_COMPARE(o.hid()->pendingCmdReports(), 0);
        QCOMPARE(o.hid()->commandWriteFailureCount(), 0);
        QCOMPARE(o.hid()->writeFailureCount(), 0);
        QVERIFY(m_sim->bus().bootloaders().front()->receivedReports().empty());
        close(o);
    }

    void closingTwiceIsHarmless()
    {
        OpenedKeyboard o = open("OV61M");
        QCOMPARE(o.hid()->closeDevice(), 0);
        QVERIFY(!o.hid()->isOpen());
        QCOMPARE(o.hid()->closeDevice(), 0);
        QVERIFY(o.hid()->wait(2000));
        QCOMPARE(o.hid()->queueCmdReport(DReportFrame(0x16)), -1);
        QCoreApplication::sendPostedEvents();
    }

    // The GUI thread closes while the I/O thread is inside a read, a write
    // or a pacing wait; the sanitizers watch for use after close.
    void closingWhileTheThreadWorks()
    {
        QRandomGenerator random(20261210);
        for (int round = 0; round < 40; ++round) {
            OpenedKeyboard o = open(round % 2 ? "OV68M" : "OV84W", true, round % 4 == 3);
            QVERIFY(o.hid());
            o.keyboard()->flood(0x0A, 50);
            o.keyboard()->setAnswerDelayMs(int(random.bounded(3)));
            o.hid()->setStreamEnabled(true);
            for (int i = 0; i < 30; ++i) {
                o.hid()->queueCmdReport(command(0x16));
                o.hid()->queueStreamReport(streamReport(i % 11, uchar(i)));
            }
            QThread::usleep(random.bounded(3000));
            QCOMPARE(o.hid()->closeDevice(), 0);
            QVERIFY(o.hid()->wait(2000));
            QCoreApplication::sendPostedEvents();
            m_sim->bus().unplug(o.keyboard());
        }
    }

    void receiverKeyboardAwayAnswersNothingButReportsItsState()
    {
        OpenedKeyboard o = open("OV84W", true, true);
        QTRY_COMPARE(o.sink()->serialNumbers.size(), 1);
        o.keyboard()->setOnline(false);
        QTRY_COMPARE(o.sink()->data.size(), 1);
        const QByteArray state = o.sink()->data.front().bytes;
        QCOMPARE(int(state[1]), 0x01);
        QCOMPARE(int(state[11]), 1);
        QCOMPARE(int(state[12]), 1);
        o.hid()->queueCmdReport(command(0x09));
        QTest::qWait(50);
        QCOMPARE(o.sink()->data.size(), 1);
        o.keyboard()->setOnline(true);
        QTRY_COMPARE(o.sink()->data.size(), 2);
        QCOMPARE(int(o.sink()->data.back().bytes[12]), 0);
        close(o);
    }
};

ORVANE_TEST_MAIN(tst_MainHidInterFace)
#include "tst_MainHidInterFace.moc"
