#include "sim/SimulatedLighting.h"

#include <algorithm>

namespace {

enum Command : uint8_t {
    KeyboardEffect = 0x06,
    SideEffect = 0x07,
    CustomColours = 0x08,
    LightStream = 0x0E,
    LightSync = 0x16,
    ReceiverLightFrame = 0x28,
};

enum InputType : uint8_t {
    KeyboardSetting = 0x07,
    SideSetting = 0x08,
    CustomSlotInUse = 0x09,
};

constexpr uint8_t kInquiry = 1;
constexpr uint8_t kCustomEffect = 10;
constexpr int kSettingAt = 6;
constexpr int kFullPacketBytes = SimulatedLighting::kLedsPerPacket * 3;
constexpr int kKeyPart = 0;
constexpr int kSidePart = 1;
constexpr int kKeyPackets = SimulatedLighting::kCustomPackets;

// The compact frame: where each part's id and data sit.
constexpr int kFrameStampAt = 2;
constexpr int kFrameKeyboardEffectAt = 4;
constexpr int kFrameKeyboardDataAt = 5;
constexpr int kFrameSideEffectAt = 34;
constexpr int kFrameSideDataAt = 35;
constexpr int kFrameEnd = 40;
constexpr int kFrameMusicIntensitiesAt = kFrameKeyboardDataAt + SimulatedLighting::kMusicBands;

// The last packet of an upload or of the key part: the 6 keys left of 132.
int lastKeyPacketBytes()
{
    return (SimulatedLighting::kKeyLeds % SimulatedLighting::kLedsPerPacket) * 3;
}

int keyPacketBytes(int packet)
{
    if (packet < 0 || packet >= kKeyPackets)
        return -1;
    return packet < kKeyPackets - 1 ? kFullPacketBytes : lastKeyPacketBytes();
}

SimulatedLighting::Setting defaultKeyboardSetting()
{
    return {1, 4, 2, {255, 0, 0}, {0, 0, 255}, 0, 1, 0};
}

SimulatedLighting::Setting defaultSideSetting()
{
    return {1, 4, 2, {0, 255, 0}, {0, 0, 255}, 0, 1, 0};
}

template<size_t N>
void copyFrom(const SimulatedLighting::Report& r, int at, std::array<uint8_t, N>& to)
{
    std::copy_n(r.begin() + at, N, to.begin());
}

} // namespace

bool SimulatedLighting::Setting::operator==(const Setting& other) const
{
    return effect == other.effect && brightness == other.brightness && speed == other.speed && top == other.top
           && bottom == other.bottom && direction == other.direction && fullColour == other.fullColour
           && extra == other.extra;
}

std::vector<uint8_t> SimulatedLighting::CustomSlot::colours() const
{
    std::vector<uint8_t> all;
    for (const std::vector<uint8_t>& packet : packets)
        all.insert(all.end(), packet.begin(), packet.end());
    return all;
}

SimulatedLighting::SimulatedLighting(int streamSideLeds)
    : m_sideLeds(std::max(1, streamSideLeds))
{
    reset();
}

void SimulatedLighting::reset()
{
    m_keyboard = defaultKeyboardSetting();
    m_side = defaultSideSetting();
    m_keyboardSet = {};
    m_sideSet = {};
    m_shownSlot = -1;
    m_slots.clear();
    m_lastUploadSlot = -1;
    m_upload.reset();
    m_awaitingEffectSlot = -1;
}

SimulatedLighting::Kept SimulatedLighting::kept() const
{
    return {m_keyboard, m_side, m_keyboardSet, m_sideSet, m_slots, m_shownSlot};
}

void SimulatedLighting::restore(const Kept& kept)
{
    m_keyboard = kept.keyboard;
    m_side = kept.side;
    m_keyboardSet = kept.keyboardSet;
    m_sideSet = kept.sideSet;
    m_slots = kept.customSlots;
    m_shownSlot = kept.shownSlot;
}

bool SimulatedLighting::receive(const Report& r, int64_t timeNs, std::optional<Report>* answer)
{
    switch (r[1]) {
    case KeyboardEffect:
    case SideEffect: {
        const bool keyboard = r[1] == KeyboardEffect;
        if (r[2] == kInquiry) {
            *answer = keyboard ? keyboardSettingReport() : sideSettingReport();
            return true;
        }
        (keyboard ? m_keyboardSet : m_sideSet) = r;
        (keyboard ? m_keyboard : m_side) = settingOf(r);
        if (keyboard && m_awaitingEffectSlot >= 0) {
            m_slots[m_awaitingEffectSlot].effect = r;
            m_awaitingEffectSlot = -1;
        }
        return true;
    }
    case CustomColours:
        takeCustomColours(r);
        return true;
    case LightStream:
        takeStreamPacket(r, timeNs);
        return true;
    case LightSync:
        takeSynchronisation(r, timeNs);
        return true;
    case ReceiverLightFrame:
        m_receiverFrames.push_back(decode(r, timeNs));
        if (m_receiverFrames.size() > kReceiverFrameLimit)
            m_receiverFrames.pop_front();
        return true;
    default:
        return false;
    }
}

SimulatedLighting::Setting SimulatedLighting::settingOf(const Report& r)
{
    Setting s;
    s.effect = r[6];
    s.brightness = r[7];
    s.speed = r[8];
    copyFrom(r, 9, s.top);
    copyFrom(r, 12, s.bottom);
    s.direction = r[15];
    s.fullColour = r[16];
    s.extra = r[17];
    return s;
}

SimulatedLighting::Report SimulatedLighting::settingReport(uint8_t type, const Setting& s)
{
    Report a{};
    a[0] = 0x01;
    a[1] = type;
    const uint8_t fields[] = {s.effect,    s.brightness, s.speed,     s.top[0],    s.top[1],     s.top[2],
                              s.bottom[0], s.bottom[1],  s.bottom[2], s.direction, s.fullColour, s.extra};
    std::copy(std::begin(fields), std::end(fields), a.begin() + kSettingAt);
    return a;
}

SimulatedLighting::Report SimulatedLighting::keyboardSettingReport() const
{
    return settingReport(KeyboardSetting, m_keyboard);
}

SimulatedLighting::Report SimulatedLighting::sideSettingReport() const
{
    return settingReport(SideSetting, m_side);
}

SimulatedLighting::Report SimulatedLighting::showCustomSlot(int slot)
{
    m_keyboard.effect = kCustomEffect;
    m_shownSlot = slot;
    Report a{};
    a[0] = 0x01;
    a[1] = CustomSlotInUse;
    a[2] = uint8_t(slot);
    return a;
}

// An upload is packets 0..7 of one slot in order, each of its own length.
// Anything else breaks it, and the slot keeps its last whole upload: the
// firmware never shows half a scheme.
void SimulatedLighting::takeCustomColours(const Report& r)
{
    const int slot = r[2];
    const int packet = r[4];
    const bool fits = r[5] == keyPacketBytes(packet);
    if (packet == 0) {
        if (m_upload && !m_upload->broken)
            ++m_brokenUploads;
        m_upload = Upload{slot, 0, false, {}};
        m_awaitingEffectSlot = -1;
    } else if (!m_upload) {
        // A packet without its beginning: broken below, like a missing one.
        m_upload = Upload{slot, 0, false, {}};
    }
    if (m_upload->broken)
        return;
    if (!fits || m_upload->slot != slot || m_upload->nextPacket != packet) {
        m_upload->broken = true;
        ++m_brokenUploads;
        return;
    }
    m_upload->colours.packets[size_t(packet)].assign(r.begin() + 6, r.begin() + 6 + r[5]);
    ++m_upload->nextPacket;
    if (packet == kCustomPackets - 1) {
        m_slots[slot] = m_upload->colours;
        m_lastUploadSlot = slot;
        m_awaitingEffectSlot = slot;
        ++m_wholeUploads;
        m_upload.reset();
    }
}

std::optional<SimulatedLighting::CustomSlot> SimulatedLighting::customSlot(int slot) const
{
    const auto it = m_slots.find(slot);
    if (it == m_slots.end())
        return std::nullopt;
    return it->second;
}

std::vector<uint8_t> SimulatedLighting::customColours(int slot, int packet) const
{
    const auto it = m_slots.find(slot);
    if (it == m_slots.end() || packet < 0 || packet >= kCustomPackets)
        return {};
    return it->second.packets[size_t(packet)];
}

std::vector<uint8_t> SimulatedLighting::customColours(int packet) const
{
    return customColours(m_lastUploadSlot, packet);
}

int SimulatedLighting::sidePackets() const
{
    return (m_sideLeds + kLedsPerPacket - 1) / kLedsPerPacket;
}

int SimulatedLighting::streamPacketBytes(int part, int packet) const
{
    if (part == kKeyPart)
        return keyPacketBytes(packet);
    if (part != kSidePart || packet < 0 || packet >= sidePackets())
        return -1;
    const int rest = m_sideLeds % kLedsPerPacket;
    return packet < sidePackets() - 1 || rest == 0 ? kFullPacketBytes : rest * 3;
}

// A frame is the key packets 0..7, then each side packet once, in order. A
// packet that does not continue the frame cuts it; only key packet 0 begins
// the next one.
void SimulatedLighting::takeStreamPacket(const Report& r, int64_t timeNs)
{
    const int part = r[2];
    const int packet = r[4];
    const bool fits = r[5] == streamPacketBytes(part, packet);
    const bool continues = m_inFrame && fits && part == m_nextPart && packet == m_nextPacket;
    if (!continues) {
        if (m_inFrame)
            ++m_cutFrames;
        m_inFrame = false;
        if (part != kKeyPart || packet != 0 || !fits)
            return;
        m_inFrame = true;
        m_frameKeys.clear();
        m_frameSide.clear();
    }
    std::vector<uint8_t>& colours = part == kKeyPart ? m_frameKeys : m_frameSide;
    colours.insert(colours.end(), r.begin() + 6, r.begin() + 6 + r[5]);
    if (part == kKeyPart && packet == kKeyPackets - 1) {
        m_nextPart = kSidePart;
        m_nextPacket = 0;
    } else {
        m_nextPart = part;
        m_nextPacket = packet + 1;
    }
    if (part == kSidePart && packet == sidePackets() - 1) {
        m_inFrame = false;
        if (m_wholeFrames == 0)
            m_firstFrameNs = timeNs;
        m_lastFrameNs = timeNs;
        ++m_wholeFrames;
        m_lastKeys = m_frameKeys;
        m_lastSide = m_frameSide;
    }
}

double SimulatedLighting::framesPerSecond() const
{
    if (m_wholeFrames < 2 || m_lastFrameNs <= m_firstFrameNs)
        return 0.0;
    return double(m_wholeFrames - 1) * 1e9 / double(m_lastFrameNs - m_firstFrameNs);
}

void SimulatedLighting::takeSynchronisation(const Report& r, int64_t timeNs)
{
    if (r[6] == 0) {
        m_synchronising = false;
        return;
    }
    if (m_synchronising && !m_keepAlives.empty())
        m_longestGapNs = std::max(m_longestGapNs, timeNs - m_keepAlives.back());
    m_keepAlives.push_back(timeNs);
    m_synchronising = true;
}

SimulatedLighting::ReceiverFrame SimulatedLighting::decode(const Report& r, int64_t timeNs)
{
    ReceiverFrame f;
    f.timeNs = timeNs;
    f.bytes = r;
    f.stamp = uint16_t(r[kFrameStampAt] << 8 | r[kFrameStampAt + 1]);
    f.keyboardEffect = r[kFrameKeyboardEffectAt];
    f.sideEffect = r[kFrameSideEffectAt];

    // How many data bytes each effect fills; the rest must stay 0.
    int keyboardBytes = 0;
    switch (f.keyboardEffect) {
    case 0: // Static
    case 1: // Breath
    case 3: // Neon
        copyFrom(r, kFrameKeyboardDataAt, f.keyColour);
        keyboardBytes = 3;
        break;
    case 6: // Reactive
    case 7: // Aurora
    case 8: // Ripple
    case 11: // Cross
    case 16: // Fireworks
        f.pressX = r[kFrameKeyboardDataAt];
        f.pressY = r[kFrameKeyboardDataAt + 1];
        copyFrom(r, kFrameKeyboardDataAt + 2, f.pressColour);
        f.keyPress = std::any_of(r.begin() + kFrameKeyboardDataAt, r.begin() + kFrameKeyboardDataAt + 5,
                                 [](uint8_t b) { return b != 0; });
        keyboardBytes = 5;
        break;
    case 12: // Speed Respond
        f.speedLevel = r[kFrameKeyboardDataAt];
        f.speedIntensity = r[kFrameKeyboardDataAt + 1];
        keyboardBytes = 2;
        break;
    case 14: // Auto Ripple
        copyFrom(r, kFrameKeyboardDataAt, f.autoRipple);
        keyboardBytes = 5;
        break;
    case 100: // Musical Rhythm
        copyFrom(r, kFrameKeyboardDataAt, f.musicLevels);
        copyFrom(r, kFrameMusicIntensitiesAt, f.musicIntensities);
        keyboardBytes = 2 * kMusicBands;
        break;
    default:
        break;
    }
    int sideBytes = 0;
    switch (f.sideEffect) {
    case 0: // Static
    case 1: // Breath
    case 4: // Neon
    case 5: // Close
        copyFrom(r, kFrameSideDataAt, f.sideColour);
        sideBytes = 3;
        break;
    case 3: // Collision
        copyFrom(r, kFrameSideDataAt, f.collision);
        sideBytes = 5;
        break;
    default:
        break;
    }
    auto countStray = [&r](int from, int to) {
        return int(std::count_if(r.begin() + from, r.begin() + to, [](uint8_t b) { return b != 0; }));
    };
    f.strayBytes = countStray(kFrameKeyboardDataAt + keyboardBytes, kFrameSideEffectAt)
                   + countStray(kFrameSideDataAt + sideBytes, kFrameEnd) + countStray(kFrameEnd, int(r.size()));
    return f;
}
