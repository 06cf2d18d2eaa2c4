#include "ui/mainwidget/devicePage/MusicalRhythmAbout/audioFormatUtils.h"

namespace {
qint64 bytesPerSecond(const QAudioFormat& format)
{
    return qint64(format.sampleRate()) * format.channelCount() * (format.sampleSize() / 8);
}

QString sampleTypeText(QAudioFormat::SampleType type)
{
    switch (type) {
    case QAudioFormat::SignedInt:
        return QStringLiteral("signed");
    case QAudioFormat::UnSignedInt:
        return QStringLiteral("unsigned");
    case QAudioFormat::Float:
        return QStringLiteral("float");
    default:
        return QStringLiteral("unknown");
    }
}

QString channelText(int channels)
{
    switch (channels) {
    case 1:
        return QStringLiteral("mono");
    case 2:
        return QStringLiteral("stereo");
    default:
        return QStringLiteral("%1 channels").arg(channels);
    }
}
} // namespace

qreal sampleToUnit(qint16 sample)
{
    return sample / 32768.0;
}

qint16 unitToSample(qreal value)
{
    return qint16(value * 32767);
}

qint64 bytesToMicroseconds(const QAudioFormat& format, qint64 bytes)
{
    const qint64 rate = bytesPerSecond(format);
    return rate > 0 ? bytes * 1000000 / rate : 0;
}

qint64 microsecondsToBytes(const QAudioFormat& format, qint64 microSeconds)
{
    qint64 bytes = bytesPerSecond(format) * microSeconds / 1000000;
    const qint64 frame = qint64(format.channelCount()) * format.sampleSize();
    if (frame > 0)
        bytes -= bytes % frame;
    return bytes;
}

qreal halfSampleRate(const QAudioFormat& format)
{
    return qreal(format.sampleRate() / 2);
}

bool isLinearPcm(const QAudioFormat& format)
{
    return format.codec() == QLatin1String("audio/pcm");
}

bool isSigned16LittleEndian(const QAudioFormat& format)
{
    return isLinearPcm(format) && format.sampleType() == QAudioFormat::SignedInt && format.sampleSize() == 16
           && format.byteOrder() == QAudioFormat::LittleEndian;
}

QString describeFormat(const QAudioFormat& format)
{
    if (format == QAudioFormat())
        return QString();
    if (!isLinearPcm(format))
        return format.codec();
    return QStringLiteral("%1 Hz %2 bit %3 %4 %5")
        .arg(format.sampleRate())
        .arg(format.sampleSize())
        .arg(sampleTypeText(format.sampleType()),
             format.byteOrder() == QAudioFormat::LittleEndian ? QStringLiteral("LE") : QStringLiteral("BE"),
             channelText(format.channelCount()));
}

QAudioFormat analysisAudioFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}
