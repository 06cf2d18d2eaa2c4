#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include "sim/SimulatedBus.h"

#include <QRegularExpression>

#include <ctime>

namespace {

constexpr char kSwitch[] = "ORVANE_TRACE_REPORTS";
// Printed once the keyboard's effect list came back: by then inquiries have
// been written to the keyboard and answers read from it.
constexpr char kKeyboardAnswered[] = "lightTypeList Num:";

double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct TraceLine
{
    double time = 0;
    QString event;
    QString path;
    int byteCount = 0;
};

QList<TraceLine> traceLines(const QByteArray& output)
{
    static const QRegularExpression kLine(QStringLiteral(
        "^orvane-trace (\\d+\\.\\d{6}) (write|read|write-failed|read-failed) (.+):((?: [0-9a-f]{2})*)$"));
    QList<TraceLine> lines;
    for (const QByteArray& text : output.split('\n')) {
        const QRegularExpressionMatch match = kLine.match(QString::fromLatin1(text));
        if (match.hasMatch())
            lines.append(
                {match.captured(1).toDouble(), match.captured(2), match.captured(3), int(match.capturedLength(4) / 3)});
    }
    return lines;
}

} // namespace

// The program run against a simulated keyboard, with and without the report
// trace: the trace is what a user turns on when a real keyboard misbehaves,
// so it is checked where it is used, on the program's standard error.
class tst_reportTrace : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void traceFollowsTheSwitch_data()
    {
        QTest::addColumn<QString>("value"); // null: not set at all
        QTest::addColumn<bool>("traced");
        QTest::newRow("on") << QStringLiteral("1") << true;
        QTest::newRow("off") << QStringLiteral("0") << false;
        QTest::newRow("unset") << QString() << false;
    }

    void traceFollowsTheSwitch()
    {
        QFETCH(QString, value);
        QFETCH(bool, traced);

        // The program's bus numbers its plugs from one, as a fresh bus here
        // does, so the same model list gives the same device path.
        SimulatedBus reference;
        const QString path = QString::fromStdString(reference.pathOf(reference.plug(QStringLiteral("OV68M"))));
        QVERIFY(!path.isEmpty());

        qunsetenv(kSwitch);
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("ORVANE_SIMULATE"), QStringLiteral("OV68M"));
        if (!value.isNull())
            extra.insert(QString::fromLatin1(kSwitch), value);
        ProgramRunner runner(m_env);
        runner.process().setProcessChannelMode(QProcess::SeparateChannels);
        const double started = monotonicSeconds();
        runner.start({}, &extra);
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT((errors += runner.process().readAllStandardError()).contains(kKeyboardAnswered),
                                 60000);
        const double answered = monotonicSeconds();
        runner.process().kill();
        runner.process().waitForFinished(10000);

        const QList<TraceLine> lines = traceLines(errors);
        if (!traced) {
            QVERIFY2(!errors.contains("orvane-trace"), errors.constData());
            return;
        }
        int writes = 0;
        int reads = 0;
        double previous = 0;
        for (const TraceLine& line : lines) {
            QCOMPARE(line.path, path);
            // One device's lines come in the order of its I/O, on the clock
            // that the test reads too.
            QVERIFY(line.time >= previous);
            QVERIFY(line.time >= started - 1e-6);
            QVERIFY(line.time <= answered);
            previous = line.time;
            if (line.event == QLatin1String("write")) {
                QCOMPARE(line.byteCount, 64);
                ++writes;
            } else if (line.event == QLatin1String("read")) {
                QVERIFY(line.byteCount > 0);
                ++reads;
            }
        }
        QVERIFY2(writes > 0, errors.constData());
        QVERIFY2(reads > 0, errors.constData());
    }
};

ORVANE_TEST_MAIN(tst_reportTrace)
#include "tst_reportTrace.moc"
