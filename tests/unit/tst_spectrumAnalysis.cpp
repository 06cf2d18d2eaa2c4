// The spectrum analysis of the music effect: the transform's layout, the
// window, the levels of a known tone, the analyser's states, and the audio
// format utilities.
#include "platform/include/FFTRealWrapper.h"
#include "support/TestMain.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/audioFormatUtils.h"

#include <QtEndian>

#include <cmath>
#include <vector>

namespace {
constexpr int kPoints = 4096;

// 16384 bytes of 44.1 kHz stereo: a sine in the left channel, the right one
// a different tone the analysis must not see.
QByteArray stereoBlock(double frequency, double amplitude)
{
    QByteArray block(kPoints * 4, '\0');
    auto* bytes = reinterpret_cast<uchar*>(block.data());
    for (int i = 0; i < kPoints; ++i) {
        const double t = i / 44100.0;
        qToLittleEndian(qint16(std::lround(amplitude * 32767 * std::sin(2 * M_PI * frequency * t))), bytes + 4 * i);
        qToLittleEndian(qint16(std::lround(0.5 * 32767 * std::sin(2 * M_PI * 200.0 * t))), bytes + 4 * i + 2);
    }
    return block;
}

QAudioFormat format(int rate, int size, QAudioFormat::SampleType type, QAudioFormat::Endian order, int channels)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setSampleSize(size);
    f.setSampleType(type);
    f.setByteOrder(order);
    f.setChannelCount(channels);
    f.setCodec(QStringLiteral("audio/pcm"));
    return f;
}
} // namespace

class tst_spectrumAnalysis : public QObject
{
    Q_OBJECT

private slots:
    // A constant, a cosine at bin 5, a sine at bin 7 and the alternating
    // series land in their places, unnormalised.
    void transformLayout()
    {
        std::vector<float> in(kPoints), out(kPoints, -1.0f);
        for (int i = 0; i < kPoints; ++i) {
            in[size_t(i)] = float(1.0 + std::cos(2 * M_PI * 5 * i / kPoints) + std::sin(2 * M_PI * 7 * i / kPoints)
                                  + 0.5 * ((i % 2) ? -1 : 1));
        }
        FFTRealWrapper transform;
        transform.calculateFFT(out.data(), in.data());
        const auto near = [](float value, double expected) { return std::abs(value - expected) < 0.05; };
        for (int i = 0; i <= 2048; ++i) {
            const double expected = i == 0 ? 4096 : i == 5 ? 2048 : i == 2048 ? 2048 : 0;
            QVERIFY2(near(out[size_t(i)], expected), qPrintable(QStringLiteral("real part of bin %1").arg(i)));
        }
        for (int i = 1; i < 2048; ++i) {
            const double expected = i == 7 ? -2048 : 0;
            QVERIFY2(near(out[size_t(2048 + i)], expected),
                     qPrintable(QStringLiteral("imaginary part of bin %1").arg(i)));
        }
        // The plan is made once; a second input gives its own result.
        std::fill(in.begin(), in.end(), 0.0f);
        transform.calculateFFT(out.data(), in.data());
        QCOMPARE(out[0], 0.0f);
        QCOMPARE(out[5], 0.0f);
    }

    void hannWeights()
    {
        SpectrumAnalyserThread thread;
        const QVector<float>& w = thread.windowWeights();
        QCOMPARE(w.size(), kPoints);
        QCOMPARE(w[0], 0.0f);
        QCOMPARE(w[kPoints - 1], 0.0f);
        QVERIFY(std::abs(w[1365] - 0.75f) < 1e-6f);
        QVERIFY(std::abs(w[2047] - 1.0f) < 1e-6f);
        for (int i = 0; i < kPoints; ++i)
            QVERIFY(std::abs(w[i] - w[kPoints - 1 - i]) < 1e-6f);
        thread.setWindowFunction(WindowRectangular);
        QCOMPARE(thread.windowWeights()[0], 1.0f);
        QCOMPARE(thread.windowWeights()[2047], 1.0f);
    }

    // A tone at the centre of bin 44 at 0.25 of full scale: a magnitude of
    // 4096 / 2 * 0.5 (the window's gain) * 0.25 = 256, level 0.15 ln 256.
    void toneLevel_data()
    {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("level");
        QTest::newRow("0.25 of full scale") << 0.25 << 0.15 * std::log(256.0);
        QTest::newRow("0.01 of full scale") << 0.01 << 0.15 * std::log(10.24);
    }
    void toneLevel()
    {
        QFETCH(double, amplitude);
        QFETCH(double, level);
        SpectrumAnalyser analyser;
        QSignalSpy spectra(&analyser, &SpectrumAnalyser::spectrumChanged);
        const double frequency = 44 * 44100 / 4096.0;
        analyser.calculate(stereoBlock(frequency, amplitude), analysisAudioFormat());
        QCOMPARE(spectra.count(), 1);
        QVERIFY(analyser.isIdle());
        const auto spectrum = spectra.at(0).at(0).value<FrequencySpectrum>();
        QCOMPARE(spectrum.count(), kPoints);
        QCOMPARE(spectrum[44].frequency, 44 * 44100 / 4096.0);
        QVERIFY2(std::abs(spectrum[44].amplitude - level) < 0.01, qPrintable(QString::number(spectrum[44].amplitude)));
        QVERIFY(!spectrum[44].clipped);
        // Bins the calculation leaves alone stay zero.
        for (int i : {0, 1, 2049, 4095})
            QCOMPARE(spectrum[i].frequency, 0.0);
        // The right channel's 200 Hz tone is not read.
        QCOMPARE(spectrum[19].amplitude, 0.0);
    }

    // Only an idle analyser calculates; a cancelled one ends without
    // reporting and is idle again.
    void analyserStates()
    {
        SpectrumAnalyser analyser;
        QSignalSpy spectra(&analyser, &SpectrumAnalyser::spectrumChanged);
        QVERIFY(analyser.isIdle());
        analyser.cancelPending();
        QVERIFY(analyser.isIdle());
        analyser.calculate(QByteArray(kPoints * 4, '\0'), analysisAudioFormat());
        QCOMPARE(spectra.count(), 1);
        const auto silent = spectra.at(0).at(0).value<FrequencySpectrum>();
        for (const FrequencySpectrum::Element& element : silent)
            QCOMPARE(element.amplitude, 0.0);
        // The element record starts all zero and is reset to it.
        FrequencySpectrum spectrum(3);
        spectrum[1] = {1.0, 0.5, 0.0, true};
        spectrum.reset();
        QCOMPARE(spectrum[1].amplitude, 0.0);
        QCOMPARE(spectrum[1].clipped, false);
    }

    void describeFormats_data()
    {
        QTest::addColumn<QAudioFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("analysis format") << analysisAudioFormat() << "44100 Hz 16 bit signed LE stereo";
        QTest::newRow("never set") << QAudioFormat() << QString();
        QTest::newRow("mono float big-endian")
            << format(48000, 32, QAudioFormat::Float, QAudioFormat::BigEndian, 1) << "48000 Hz 32 bit float BE mono";
        QTest::newRow("six channels unsigned")
            << format(8000, 8, QAudioFormat::UnSignedInt, QAudioFormat::LittleEndian, 6)
            << "8000 Hz 8 bit unsigned LE 6 channels";
        QAudioFormat other = analysisAudioFormat();
        other.setCodec(QStringLiteral("audio/x-raw"));
        QTest::newRow("another codec") << other << "audio/x-raw";
    }
    void describeFormats()
    {
        QFETCH(QAudioFormat, format);
        QFETCH(QString, text);
        QCOMPARE(describeFormat(format), text);
    }

    void formatArithmetic()
    {
        const QAudioFormat f = analysisAudioFormat();
        QVERIFY(isLinearPcm(f));
        QVERIFY(isSigned16LittleEndian(f));
        QVERIFY(!isSigned16LittleEndian(format(44100, 16, QAudioFormat::SignedInt, QAudioFormat::BigEndian, 2)));
        QCOMPARE(halfSampleRate(f), 22050.0);
        QCOMPARE(halfSampleRate(format(44101, 16, QAudioFormat::SignedInt, QAudioFormat::LittleEndian, 2)), 22050.0);
        QCOMPARE(bytesToMicroseconds(f, 176400), qint64(1000000));
        QCOMPARE(bytesToMicroseconds(f, 16384), qint64(92879));
        QCOMPARE(microsecondsToBytes(f, 10000), qint64(1760)); // 1764 less its remainder modulo 32
        QCOMPARE(microsecondsToBytes(f, 1000000), qint64(176384));
        QCOMPARE(sampleToUnit(-32768), -1.0);
        QCOMPARE(sampleToUnit(16384), 0.5);
        QCOMPARE(unitToSample(1.0), qint16(32767));
        QCOMPARE(unitToSample(-0.5), qint16(-16383));
    }
};

ORVANE_TEST_MAIN(tst_spectrumAnalysis)
#include "tst_spectrumAnalysis.moc"
