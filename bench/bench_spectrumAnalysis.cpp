// One analysis of the music effect, as the median of many: the windowing of
// a 16384-byte block, the 4096-point transform, the levels per bin, and the
// band values and bar cells drawn from them. The baseline of the same run is
// the transform alone on its own arrays (no copy in or out), so the ratio
// says what the rest adds. The budget: at
// most about five analyses a second, so the share of a core follows.
//
// Usage: bench_spectrumAnalysis [analyses]   (default 2000)

#include "platform/include/FFTRealWrapper.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/audioFormatUtils.h"
#include "ui/mainwidget/devicePage/lightDeal/DMusicBars.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr int kPoints = 4096;
constexpr double kAnalysesPerSecond = 5.0;

QByteArray chord()
{
    QByteArray block(kPoints * 4, '\0');
    auto* bytes = reinterpret_cast<uchar*>(block.data());
    for (int i = 0; i < kPoints; ++i) {
        const double t = i / 44100.0;
        const double value = 0.2 * std::sin(2 * M_PI * 110.0 * t) + 0.15 * std::sin(2 * M_PI * 277.2 * t)
                             + 0.15 * std::sin(2 * M_PI * 329.6 * t) + 0.1 * std::sin(2 * M_PI * 659.3 * t);
        const auto sample = qint16(std::lround(value * 32767));
        qToLittleEndian(sample, bytes + 4 * i);
        qToLittleEndian(sample, bytes + 4 * i + 2);
    }
    return block;
}

double medianNs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, atoi(argv[1])) : 2000;
    const QByteArray block = chord();
    const QAudioFormat format = analysisAudioFormat();

    SpectrumAnalyser analyser;
    DMusicBars bars;
    bars.init(104, 11, 30.0, 930.0, nullptr);
    DMusicBars::Grid grid{};
    int lit = 0;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged, [&](const FrequencySpectrum& spectrum) {
        bars.setSpectrum(spectrum, grid);
        lit += grid[5][0].level;
    });

    FFTRealWrapper transform;
    std::fill(transform.input(), transform.input() + kPoints, 0.25f);
    std::vector<qint64> analysisNs, transformNs;
    analysisNs.reserve(size_t(count));
    transformNs.reserve(size_t(count));
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        analyser.calculate(block, format);
        analysisNs.push_back(clock.nsecsElapsed());
        clock.start();
        transform.transform();
        transformNs.push_back(clock.nsecsElapsed());
    }
    const double analysis = medianNs(analysisNs);
    const double baseline = medianNs(transformNs);
    std::printf("one analysis (windowing, transform, levels, bands): median %.1f us\n", analysis / 1000.0);
    std::printf("baseline, the transform alone: median %.1f us; the analysis is %.2f x the baseline\n",
                baseline / 1000.0, analysis / baseline);
    std::printf("at %.0f analyses a second: %.3f %% of a core\n", kAnalysesPerSecond,
                analysis * kAnalysesPerSecond / 1e9 * 100.0);
    return lit > 0 ? 0 : 1;
}
