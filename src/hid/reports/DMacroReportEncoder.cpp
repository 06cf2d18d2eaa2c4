#include "hid/reports/DMacroReportEncoder.h"

#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "hid/reports/DKeyEntryEncoder.h"

#include <QDebug>
#include <algorithm>

namespace {

constexpr int kFullPayload = DReportFrame::kPayloadCapacity;
constexpr int kHeaderSize = 8;
constexpr int kLastPayload = 24;
constexpr uint8_t kPressFlag = 0x10;
constexpr uint8_t kMouseFlag = 0x01;
constexpr int kMaxPause = 0xFFFF;

// Windows mouse messages of a recorded button, down and up, and the
// button's code on the keyboard.
struct MouseButton
{
    int down;
    int up;
    uint8_t code;
};
constexpr MouseButton kMouseButtons[] = {{513, 514, 1}, {516, 517, 2}, {519, 520, 4}};

uint8_t eventCode(const macroEventItem& event, bool* isMouse)
{
    const QByteArray type = DFixedText::bytes(event.type);
    const int code = DFixedText::number(event.keyCode);
    *isMouse = false;
    if (type.contains("key"))
        return uint8_t(code);
    if (type.contains("mouse")) {
        *isMouse = true;
        for (const MouseButton& button : kMouseButtons) {
            if (code == button.down || code == button.up)
                return button.code;
        }
    }
    // Nothing the editor records; code 0 presses nothing but keeps the
    // event's pause, so the rest of the macro keeps its timing.
    qCDebug(lcDownload) << "Onboard download: macro event without a keyboard code:" << type << code;
    return 0;
}

QVector<DReportFrame> reportsFor(int slot, const std::vector<uint8_t>& header, const std::vector<uint8_t>& stream)
{
    std::vector<uint8_t> payload = header;
    payload.insert(payload.end(), stream.begin(), stream.end());
    QVector<DReportFrame> reports;
    int at = 0;
    for (int packet = 0; packet < DMacroReportEncoder::kReportsPerSlot; ++packet) {
        const int length = packet + 1 < DMacroReportEncoder::kReportsPerSlot ? kFullPayload : kLastPayload;
        DReportFrame r(DReportNumbers::kMacro, slot, length);
        r.setPacket(packet);
        r.setPayload(payload.data() + at, length);
        at += length;
        reports << r;
    }
    return reports;
}

} // namespace

std::vector<uint8_t> DMacroReportEncoder::encodeStream(const std::list<macroEventItem>& events)
{
    std::vector<uint8_t> stream(kStreamSize, 0);
    int index = 0;
    for (auto it = events.begin(); it != events.end() && index < kMaxEvents; ++it, ++index) {
        const auto next = std::next(it);
        // The keyboard waits after an event; the editor records the wait
        // before the following one.
        const int pause = next == events.end() ? 0 : std::clamp(DFixedText::number(next->delay), 0, kMaxPause);
        bool isMouse = false;
        uint8_t* out = stream.data() + index * kEventSize;
        out[0] = eventCode(*it, &isMouse);
        out[1]
            = uint8_t((DFixedText::bytes(it->operateExplain) == "down" ? kPressFlag : 0) | (isMouse ? kMouseFlag : 0));
        out[2] = uint8_t(pause >> 8);
        out[3] = uint8_t(pause & 0xFF);
    }
    return stream;
}

QVector<DReportFrame> DMacroReportEncoder::slotReports(int slot, const std::list<macroEventItem>& events, int playMode,
                                                       int repeatCount)
{
    const int sent = std::min(int(events.size()), kMaxEvents);
    if (int(events.size()) > kMaxEvents)
        qCDebug(lcDownload) << "Onboard download: macro of" << events.size() << "events, the first" << kMaxEvents
                            << "sent";
    std::vector<uint8_t> header(kHeaderSize, 0);
    header[1] = uint8_t(playMode - 1);
    header[3] = uint8_t(sent * kEventSize);
    header[5] = uint8_t(repeatCount);
    return reportsFor(slot, header, encodeStream(events));
}

QVector<DReportFrame> DMacroReportEncoder::emptySlotReports(int slot)
{
    return reportsFor(slot, std::vector<uint8_t>(kHeaderSize, 0), std::vector<uint8_t>(kStreamSize, 0));
}
