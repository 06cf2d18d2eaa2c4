// Time from starting the program to its main window being exposed, as the
// median of several starts of two kinds: a first start with fresh settings
// folders (settings written, autostart entry created, icons tinted into the
// cache) and a later start over the folders the first one left. The
// baseline is an empty Qt window of the same size started the same way in
// the same run, so the ratio says what the program adds to Qt's own start.
// Each window is closed as a window manager closes it, and a start that
// does not end by itself counts as a failure: a killed program would leave
// its settings half written for the later start.
//
// Needs an X server; without DISPLAY it runs itself again under xvfb-run.
// The budget is measured under a window manager (openbox) on Xvfb.
// Usage: bench_startup [runs]   (default 9)

#include "bench/ProgramRun.h"
#include "support/X11Windows.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

#include <algorithm>
#include <cstdio>

namespace {

using namespace programRun;

// Milliseconds from start() to the exposure line, or -1 when the window
// never showed or the program did not end when asked to. `root` holds the
// settings folders, fresh or left by an earlier start.
double timeOneStart(const X11Windows& x11, const QString& program, const QStringList& arguments,
                    const QString& root)
{
    QProcess process;
    process.setProcessEnvironment(freshEnvironment(root));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());

    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    double elapsed = -1;
    QByteArray output;
    while (clock.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
        if (process.waitForReadyRead(100))
            output += process.readAllStandardOutput();
        if (output.contains(DMainWidget::kExposedMarker)) {
            elapsed = double(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }

    // The window may be exposed before the window manager has framed it;
    // a close request is sent again until the program ends.
    QElapsedTimer closing;
    closing.start();
    do
        x11.requestClose(process.processId());
    while (!process.waitForFinished(250) && closing.elapsed() < 10000);
    if (process.state() != QProcess::NotRunning) {
        std::fprintf(stderr, "bench_startup: %s did not close; killing it\n", qPrintable(program));
        process.kill();
        process.waitForFinished(3000);
        return -1;
    }
    return elapsed;
}

// A first start in fresh folders and a later one over what it left.
struct StartPair
{
    double first = -1;
    double later = -1;
};

StartPair timeStartPair(const X11Windows& x11, const QString& program, const QStringList& arguments)
{
    QTemporaryDir root;
    StartPair pair;
    pair.first = timeOneStart(x11, program, arguments, root.path());
    if (pair.first >= 0)
        pair.later = timeOneStart(x11, program, arguments, root.path());
    return pair;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], kBaselineArg) == 0)
        return runBaselineChild(argc, argv);

    ensureDisplay(argc, argv, "bench_startup");

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 9;
    const QString program = QStringLiteral(ORVANE_BIN_DIR "/orvane-keyboard");
    const QString self = QCoreApplication::applicationFilePath();

    X11Windows x11;
    if (!x11.isOpen()) {
        std::fprintf(stderr, "bench_startup: no X display\n");
        return 2;
    }

    const QStringList baselineArgs{QLatin1String(kBaselineArg)};
    // One untimed pair of each warms the file cache.
    timeStartPair(x11, self, baselineArgs);
    timeStartPair(x11, program, {});

    QVector<double> baseline, first, later;
    for (int i = 0; i < runs; ++i) {
        const StartPair b = timeStartPair(x11, self, baselineArgs);
        const StartPair p = timeStartPair(x11, program, {});
        if (b.later < 0 || p.later < 0) {
            std::fprintf(stderr,
                         "bench_startup: run %d failed: no exposed window or no clean close (baseline %.1f/%.1f, "
                         "program %.1f/%.1f)\n",
                         i + 1, b.first, b.later, p.first, p.later);
            return 1;
        }
        baseline << b.first << b.later;
        first << p.first;
        later << p.later;
        std::printf("run %2d: program first %7.1f ms, later %7.1f ms   baseline %7.1f, %7.1f ms\n", i + 1, p.first,
                    p.later, b.first, b.later);
    }

    const double mb = median(baseline);
    const double mf = median(first);
    const double ml = median(later);
    std::printf("baseline (empty Qt window):     median %.1f ms over %d starts\n", mb, int(baseline.size()));
    std::printf("first start to window exposed:  median %.1f ms, ratio %.2f\n", mf, mf / mb);
    std::printf("later start to window exposed:  median %.1f ms, ratio %.2f\n", ml, ml / mb);
    return 0;
}
