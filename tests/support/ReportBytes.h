#pragma once

// Report bytes as the tests write, compare and read them. Kept to plain
// byte containers (QByteArray, std::array, std::vector …) and the
// simulator's own report type, so a test states the bytes it expects
// without borrowing the application's frame type for it.

#include "sim/SimulatedKeyboard.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <initializer_list>
#include <utility>

namespace ReportBytes {

// "01 18 00 3A" as bytes; spaces are for the reader only.
QByteArray hex(const char* spaced);

// Any contiguous container of bytes (data() and size()) as a QByteArray,
// so QCOMPARE can show both sides in hex.
template<typename Bytes>
QByteArray bytesOf(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

// The bytes, then zeros up to `size`.
QByteArray padded(const QByteArray& bytes, int size);

// `base` (a zeroed report unless given) with the bytes at the positions given.
QByteArray reportWith(std::initializer_list<std::pair<int, int>> bytes, QByteArray base = QByteArray(64, '\0'));

// A report as the host writes it: 0x01, the command, the sub-command, then
// the bytes at the positions given.
SimulatedKeyboard::Report request(uint8_t command, uint8_t sub = 0,
                                  std::initializer_list<std::pair<int, int>> bytes = {});

using ReportMatch = std::function<bool(const SimulatedKeyboard::Report&)>;

// The reports the keyboard received that match, oldest first.
QList<SimulatedKeyboard::Report> receivedWhere(const SimulatedKeyboard& keyboard, const ReportMatch& matches);
QList<QByteArray> receivedBytesWhere(const SimulatedKeyboard& keyboard, const ReportMatch& matches);

} // namespace ReportBytes
