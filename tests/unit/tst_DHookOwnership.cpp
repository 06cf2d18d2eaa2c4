// Which mode the one keyboard hook runs in after a sequence of requests: the
// latest capture or recording owns it, letting go gives it back to the one
// before, and the wish for pass-through counts only while nobody holds it.
#include "support/TestMain.h"

#include "app/DHookOwnership.h"

namespace {

constexpr int kRecord = 1;
constexpr int kRemap = 2;
constexpr int kCombination = 3;
constexpr int kPassThrough = 5;
constexpr int kNone = DHookOwnership::kNoMode;

} // namespace

class tst_DHookOwnership : public QObject
{
    Q_OBJECT

private slots:
    // Each step is "take N", "release N", "light on" or "light off"; after
    // each, the mode the hook runs in.
    void modeAfterEachStep_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("modes");
        QTest::newRow("nothing asked") << QStringList{"light off"} << QList<int>{kNone};
        QTest::newRow("light alone") << QStringList{"light on", "light off"} << QList<int>{kPassThrough, kNone};
        QTest::newRow("light report during a recording")
            << QStringList{"take 1", "light on", "light off", "light on", "release 1"}
            << QList<int>{kRecord, kRecord, kRecord, kRecord, kPassThrough};
        QTest::newRow("light report during a capture")
            << QStringList{"light on", "take 2", "light off", "release 2"}
            << QList<int>{kPassThrough, kRemap, kRemap, kNone};
        QTest::newRow("recording over a capture, capture over a recording")
            << QStringList{"take 2", "take 1", "release 1", "take 1", "take 3", "release 3", "release 1"}
            << QList<int>{kRemap, kRecord, kRemap, kRecord, kCombination, kRecord, kRemap};
        QTest::newRow("the older one lets go first")
            << QStringList{"light on", "take 1", "take 2", "release 1", "release 2"}
            << QList<int>{kPassThrough, kRecord, kRemap, kRemap, kPassThrough};
        QTest::newRow("taken again, on top again")
            << QStringList{"take 1", "take 2", "take 1", "release 1"} << QList<int>{kRecord, kRemap, kRecord, kRemap};
        QTest::newRow("letting go of what was not held")
            << QStringList{"release 2", "take 1", "release 3"} << QList<int>{kNone, kRecord, kRecord};
    }
    void modeAfterEachStep()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, modes);
        DHookOwnership ownership(kPassThrough);
        QCOMPARE(ownership.modeToRun(), kNone);
        for (int index = 0; index < steps.size(); ++index) {
            const QString step = steps.at(index);
            const int mode = step.section(QLatin1Char(' '), 1).toInt();
            if (step.startsWith(QLatin1String("take")))
                ownership.take(mode);
            else if (step.startsWith(QLatin1String("release")))
                ownership.release(mode);
            else
                ownership.setPassThroughWanted(step == QLatin1String("light on"));
            QVERIFY2(ownership.modeToRun() == modes.at(index),
                     qPrintable(QStringLiteral("after %1: %2").arg(step).arg(ownership.modeToRun())));
        }
    }
};

ORVANE_TEST_MAIN(tst_DHookOwnership)
#include "tst_DHookOwnership.moc"
