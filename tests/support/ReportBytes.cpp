#include "support/ReportBytes.h"

namespace ReportBytes {

QByteArray hex(const char* spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QByteArray padded(const QByteArray& bytes, int size)
{
    return bytes + QByteArray(size - bytes.size(), '\0');
}

QByteArray reportWith(std::initializer_list<std::pair<int, int>> bytes, QByteArray base)
{
    for (const auto& [at, value] : bytes)
        base[at] = char(value);
    return base;
}

QList<SimulatedKeyboard::Report> receivedWhere(const SimulatedKeyboard& keyboard, const ReportMatch& matches)
{
    QList<SimulatedKeyboard::Report> list;
    for (const SimulatedKeyboard::LoggedReport& logged : keyboard.receivedReports()) {
        if (matches(logged.bytes))
            list << logged.bytes;
    }
    return list;
}

QList<QByteArray> receivedBytesWhere(const SimulatedKeyboard& keyboard, const ReportMatch& matches)
{
    QList<QByteArray> list;
    for (const SimulatedKeyboard::Report& report : receivedWhere(keyboard, matches))
        list << bytesOf(report);
    return list;
}

SimulatedKeyboard::Report request(uint8_t command, uint8_t sub, std::initializer_list<std::pair<int, int>> bytes)
{
    SimulatedKeyboard::Report r{};
    r[0] = 0x01;
    r[1] = command;
    r[2] = sub;
    for (const auto& [at, value] : bytes)
        r[size_t(at)] = uint8_t(value);
    return r;
}

} // namespace ReportBytes
