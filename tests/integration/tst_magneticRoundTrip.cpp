// The magnetic-switch requests as the builders make them, through a real
// I/O thread to the simulated keyboard, and its answers back: what the
// keyboard keeps, what it answers, and how the link hands the all-keys
// results on.
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DMagneticReports.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"

#include <functional>
#include <memory>

using Outcome = SimulatedMagnetic::Outcome;
using Keys = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(DReportFrame)

namespace {

// One answer of the keyboard in words.
QString describe(const QByteArray& r)
{
    const auto b = [&r](int at) { return int(uchar(r.at(at))); };
    switch (b(6)) {
    case 0x01:
        return QStringLiteral("travel %1").arg(b(9));
    case 0x04:
        return QStringLiteral("levels %1").arg(b(7));
    case 0x05:
        return QStringLiteral("key %1 %2 %3 %4 %5").arg(b(7)).arg(b(8)).arg(b(9)).arg(b(10)).arg(b(11));
    case 0x07:
        return QStringLiteral("calibration %1").arg(b(7));
    case 0x08: {
        int columns = 0;
        for (int at = 8; at < 30; ++at)
            columns += b(at) != 0;
        return QStringLiteral("all %1, %2 columns").arg(b(7)).arg(columns);
    }
    case 0x09:
        return QStringLiteral("rate %1").arg(b(7));
    case 0x0A:
        return QStringLiteral("shake %1").arg(b(7));
    default:
        return QStringLiteral("sub %1").arg(b(6));
    }
}

} // namespace

class tst_magneticRoundTrip : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorHarness> m_sim;
    std::unique_ptr<OpenedKeyboard> m_opened;

    SimulatedKeyboard& keyboard() { return *m_opened->keyboard(); }

    void send(const DReportFrame& frame) { QCOMPARE(m_opened->hid()->queueCmdReport(frame), 0); }

    // The magnetic answers that came for everything sent so far: a level
    // count query goes last, and its answer (left out) closes the list.
    QStringList answers()
    {
        QStringList seen;
        [&] {
            send(DMagneticReports::request(DReportNumbers::kTravelLevels));
            QTRY_VERIFY_WITH_TIMEOUT(!m_opened->sink()->data.isEmpty()
                                         && describe(m_opened->sink()->data.last().bytes).startsWith("levels"),
                                     5000);
        }();
        for (const ReportSink::Arrival& arrival : m_opened->sink()->data) {
            if (uchar(arrival.bytes.at(1)) == 0x21)
                seen << describe(arrival.bytes);
        }
        m_opened->sink()->data.clear();
        if (!seen.isEmpty())
            seen.removeLast();
        return seen;
    }

private slots:
    void init()
    {
        m_sim.reset(new SimulatorHarness);
        m_opened.reset(new OpenedKeyboard(*m_sim, "OV68M", 3));
        QVERIFY(m_opened->isOpen());
        // Every calibration answer is due at once, so a later query's
        // answer comes after all of them.
        keyboard().editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationStepMs(0); });
    }

    void cleanup()
    {
        if (m_opened)
            QVERIFY(m_opened->close(5000));
        m_opened.reset();
        m_sim.reset();
    }

    void applyReachesExactlyTheKeysOfItsBitmap_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Keys>("keys");
        QTest::newRow("one travel, one key") << 0 << Keys{{3, 10}};
        QTest::newRow("separate travel, a column") << 1 << Keys{{0, 4}, {1, 4}, {5, 4}};
        QTest::newRow("quick trigger, corners") << 12 << Keys{{0, 0}, {5, 21}, {0, 21}, {5, 0}};
        QTest::newRow("separate with quick trigger, a row") << 13 << Keys{{2, 0}, {2, 1}, {2, 2}, {2, 20}};
    }

    void applyReachesExactlyTheKeysOfItsBitmap()
    {
        QFETCH(int, mode);
        QFETCH(Keys, keys);
        send(DMagneticReports::apply(mode, DKeyBitmap::fromKeys(keys), 15, 25, 3, 4));
        QCOMPARE(answers(), QStringList());

        const SimulatedMagnetic magnetic = keyboard().magnetic();
        const SimulatedMagnetic::KeySetting applied{uint8_t(mode), 15, 25, 3, 4};
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 22; ++column) {
                const bool selected = keys.contains({row, column});
                QVERIFY2((magnetic.key(row, column) == applied) == selected,
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
                if (!selected)
                    QVERIFY(magnetic.key(row, column) == SimulatedMagnetic::KeySetting{});
            }
        }
        // What the keyboard keeps is what it answers for the key.
        send(DMagneticReports::keyQuery(keys.first().first, keys.first().second));
        QCOMPARE(answers(), QStringList{QStringLiteral("key %1 15 25 3 4").arg(mode)});
    }

    void selectionIsKeptAndDefaultsComeBack()
    {
        const DKeyBitmap selected = DKeyBitmap::fromKeys({{3, 10}, {5, 21}});
        send(DMagneticReports::selection(selected));
        send(DMagneticReports::apply(1, selected, 9, 30, 1, 1));
        QCOMPARE(answers(), QStringList());
        SimulatedMagnetic magnetic = keyboard().magnetic();
        QCOMPARE(magnetic.selection(), selected.bytes());
        QVERIFY(magnetic.key(5, 21) != SimulatedMagnetic::KeySetting{});

        send(DMagneticReports::setAntiShake(6));
        send(DMagneticReports::request(DReportNumbers::kRestoreDefaultSensitivity));
        send(DMagneticReports::keyQuery(5, 21));
        QCOMPARE(answers(), (QStringList{"shake 6", "key 0 20 20 10 10"}));
        magnetic = keyboard().magnetic();
        QCOMPARE(magnetic.restores(), 1);
        QCOMPARE(int(magnetic.value(0x0A)), int(SimulatedMagnetic::kDefaultAntiShake));
    }

    void settingsAreKeptAndAnswered_data()
    {
        QTest::addColumn<DReportFrame>("request");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("answer");
        QTest::newRow("rate of return set") << DMagneticReports::setRateOfReturn(8) << 0x09 << "rate 8";
        QTest::newRow("anti-shake set") << DMagneticReports::setAntiShake(5) << 0x0A << "shake 5";
        QTest::newRow("rate of return query")
            << DMagneticReports::request(DReportNumbers::kRateOfReturn) << 0x09 << "rate 1";
        QTest::newRow("anti-shake query") << DMagneticReports::request(DReportNumbers::kAntiShake) << 0x0A << "shake 2";
    }

    void settingsAreKeptAndAnswered()
    {
        QFETCH(DReportFrame, request);
        QFETCH(int, sub);
        QFETCH(QString, answer);
        send(request);
        QCOMPARE(answers(), QStringList{answer});
        QCOMPARE(QStringLiteral("%1").arg(keyboard().magneticValue(uint8_t(sub))), answer.section(' ', 1));
    }

    void keyCalibrationOutcomes_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("success") << Outcome::Success << QStringList{"calibration 1", "calibration 0"};
        QTest::newRow("failed") << Outcome::Failed << QStringList{"calibration 1", "calibration 2"};
        QTest::newRow("unknown status") << Outcome::UnknownStatus << QStringList{"calibration 1", "calibration 9"};
        QTest::newRow("no answer") << Outcome::NoAnswer << QStringList{};
        QTest::newRow("stuck running") << Outcome::StuckRunning << QStringList{"calibration 1"};
    }

    void keyCalibrationOutcomes()
    {
        QFETCH(Outcome, outcome);
        QFETCH(QStringList, expected);
        keyboard().editMagnetic([outcome](SimulatedMagnetic& m) { m.setCalibrationOutcome(outcome); });
        send(DMagneticReports::keyCalibration(3, 10));
        QCOMPARE(answers(), expected);
        QCOMPARE(keyboard().magnetic().calibratedKey(), std::make_pair(3, 10));
    }

    void allKeysCalibrationOutcomes_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("expected");
        const QStringList running{"all 1, 7 columns", "all 1, 14 columns", "all 1, 22 columns"};
        QTest::newRow("success") << Outcome::Success << running + QStringList{"all 0, 22 columns"};
        QTest::newRow("failed") << Outcome::Failed << running + QStringList{"all 2, 14 columns"};
        QTest::newRow("unknown status") << Outcome::UnknownStatus << running + QStringList{"all 9, 0 columns"};
        QTest::newRow("no answer") << Outcome::NoAnswer << QStringList{};
        QTest::newRow("stuck running") << Outcome::StuckRunning << running;
    }

    void allKeysCalibrationOutcomes()
    {
        QFETCH(Outcome, outcome);
        QFETCH(QStringList, expected);
        keyboard().editMagnetic([outcome](SimulatedMagnetic& m) { m.setCalibrationOutcome(outcome); });
        send(DMagneticReports::allKeysCalibration(true));
        QCOMPARE(answers(), expected);
    }

    void stopEndsAllKeysCalibration()
    {
        keyboard().editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationStepMs(60000); });
        send(DMagneticReports::allKeysCalibration(true));
        QCOMPARE(answers(), QStringList{"all 1, 7 columns"});
        QVERIFY(keyboard().magnetic().allKeysRunning());
        QVERIFY(keyboard().pendingInput() > 0);

        send(DMagneticReports::allKeysCalibration(false));
        QCOMPARE(answers(), QStringList());
        QVERIFY(!keyboard().magnetic().allKeysRunning());
        QCOMPARE(keyboard().pendingInput(), 0);
    }

    void scriptedResultsAndLiveTravel()
    {
        SimulatedMagnetic::Columns results{};
        results[4] = 0x21;
        results[5] = 0xC0;
        keyboard().editMagnetic([results](SimulatedMagnetic& m) {
            m.setAllKeysResults(results);
            m.setKey(1, 1, {7, 200, 0, 99, 99});
        });
        send(DMagneticReports::allKeysCalibration(true));
        send(DMagneticReports::keyQuery(1, 1));
        // Bits 6 and 7 and a column without keys go out as scripted; an
        // unknown mode too.
        QCOMPARE(answers(), (QStringList{"all 1, 2 columns", "all 1, 2 columns", "all 1, 2 columns", "all 0, 2 columns",
                                         "key 7 200 0 99 99"}));
        // A travel beyond the level count as well.
        keyboard().pressKey(2, 3, 255);
        QCOMPARE(answers(), (QStringList{"travel 127", "travel 255", "travel 127", "travel 0"}));
    }

    // Through the link: each answer's result bytes become its map before
    // the status is relayed.
    void linkHandsOnTheGrowingMap()
    {
        QVERIFY(m_opened->close(5000));
        m_opened.reset();
        const std::shared_ptr<SimulatedKeyboard> plugged = m_sim->plug("OV68M");
        plugged->editMagnetic([](SimulatedMagnetic& m) { m.setCalibrationStepMs(0); });
        DDeviceKeyboardLink link;
        link.openDevice(5, m_sim->deviceRecord(plugged));
        QTRY_VERIFY_WITH_TIMEOUT(link.isReady(), 5000);

        QStringList relayed;
        QObject context;
        connect(DDataManager::getInstance(), &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, &context,
                [&](int status) {
                    const QMap<int, int> map = link.allKeysCalibrationMap();
                    QCOMPARE(map, link.calibrationResult());
                    relayed << QStringLiteral("%1: %2 columns").arg(status).arg(map.size());
                });
        QCOMPARE(link.hidInterface()->queueCmdReport(DMagneticReports::allKeysCalibration(true)), 0);
        QTRY_COMPARE_WITH_TIMEOUT(relayed.size(), 4, 5000);
        QCOMPARE(relayed, (QStringList{"1: 7 columns", "1: 14 columns", "1: 22 columns", "0: 22 columns"}));
    }
};

ORVANE_TEST_MAIN(tst_magneticRoundTrip)
#include "tst_magneticRoundTrip.moc"
