// Time from starting the program to its main window being exposed, as the
// median of several cold starts, each with fresh settings folders (so every
// start is a first run: settings written, autostart entry created). The
// baseline is an empty Qt window of the same size started the same way in
// the same run, so the ratio says what the program adds to Qt's own start.
//
// Needs an X server; without DISPLAY it runs itself again under xvfb-run.
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

// Milliseconds from start() to the exposure line, or -1.
double timeOneStart(const X11Windows& x11, const QString& program, const QStringList& arguments)
{
    QTemporaryDir root;
    QProcess process;
    process.setProcessEnvironment(freshEnvironment(root.path()));
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

    x11.requestClose(process.processId());
    if (!process.waitForFinished(5000)) {
        std::fprintf(stderr, "bench_startup: %s did not close; killing it\n", qPrintable(program));
        process.kill();
        process.waitForFinished(3000);
    }
    return elapsed;
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

    // One untimed start of each warms the file cache.
    timeOneStart(x11, self, {QLatin1String(kBaselineArg)});
    timeOneStart(x11, program, {});

    QVector<double> baseline, startup;
    for (int i = 0; i < runs; ++i) {
        const double b = timeOneStart(x11, self, {QLatin1String(kBaselineArg)});
        const double p = timeOneStart(x11, program, {});
        if (b < 0 || p < 0) {
            std::fprintf(stderr, "bench_startup: run %d saw no exposed window (baseline %.1f, program %.1f)\n", i + 1,
                         b, p);
            return 1;
        }
        baseline << b;
        startup << p;
        std::printf("run %2d: program %7.1f ms   baseline %7.1f ms\n", i + 1, p, b);
    }

    const double m = median(startup);
    const double mb = median(baseline);
    std::printf("start to main window exposed: median %.1f ms over %d runs\n", m, runs);
    std::printf("baseline (empty Qt window):   median %.1f ms\n", mb);
    std::printf("ratio program / baseline:     %.2f\n", m / mb);
    return 0;
}
