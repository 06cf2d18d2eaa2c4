#pragma once

#include <QAudioFormat>
#include <QString>

// Conversions between PCM byte counts, times and sample values for the
// format the music effect analyses.
qreal sampleToUnit(qint16 sample);
qint16 unitToSample(qreal value);
qint64 bytesToMicroseconds(const QAudioFormat& format, qint64 bytes);
qint64 microsecondsToBytes(const QAudioFormat& format, qint64 microSeconds);
qreal halfSampleRate(const QAudioFormat& format);
bool isLinearPcm(const QAudioFormat& format);
bool isSigned16LittleEndian(const QAudioFormat& format);
// "44100 Hz 16 bit signed LE stereo"; empty for a format never set.
QString describeFormat(const QAudioFormat& format);
// 44.1 kHz, 16-bit signed little-endian stereo PCM: what the capture asks
// the sound server for and what the analysis reads.
QAudioFormat analysisAudioFormat();
