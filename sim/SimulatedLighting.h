#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

// The lighting side of a simulated keyboard: the effect settings it keeps
// and answers for, the custom colour slots, and what the host streams to it
// (light frames over the cable, compact frames behind the receiver and the
// synchronisation keep-alive), each checked the way the firmware takes it.
// A plain value: the keyboard locks around it, and a test reads a copy.
class SimulatedLighting
{
public:
    using Report = std::array<uint8_t, 64>;

    static constexpr int kKeyLeds = 132;
    static constexpr int kLedsPerPacket = 18;
    static constexpr int kCustomPackets = 8;
    static constexpr int kMusicBands = 11;
    // Compact frames kept, the newest; a long simulated run stays bounded.
    static constexpr size_t kReceiverFrameLimit = 10000;

    // One part's setting as the keyboard keeps it: bytes 6..17 of a set
    // report and of the answer to an inquiry (brightness and speed 0-based).
    struct Setting
    {
        uint8_t effect = 0;
        uint8_t brightness = 0;
        uint8_t speed = 0;
        std::array<uint8_t, 3> top{};
        std::array<uint8_t, 3> bottom{};
        uint8_t direction = 0;
        uint8_t fullColour = 0;
        uint8_t extra = 0;

        bool operator==(const Setting& other) const;
    };

    // A custom slot after its last whole upload.
    struct CustomSlot
    {
        std::array<std::vector<uint8_t>, kCustomPackets> packets; // colour bytes of each packet
        std::optional<Report> effect; // the effect report that followed the upload
        std::vector<uint8_t> colours() const; // the 132 keys' red, green, blue in grid order
    };

    // One compact frame from behind the receiver, taken apart by its
    // keyboard and side effect ids.
    struct ReceiverFrame
    {
        int64_t timeNs = 0;
        uint16_t stamp = 0;
        uint8_t keyboardEffect = 0;
        std::array<uint8_t, 3> keyColour{}; // Static, Breath, Neon: the first key
        bool keyPress = false; // Reactive, Aurora, Ripple, Cross, Fireworks
        uint8_t pressX = 0;
        uint8_t pressY = 0;
        std::array<uint8_t, 3> pressColour{};
        uint8_t speedLevel = 0; // Speed Respond
        uint8_t speedIntensity = 0;
        std::array<uint8_t, 5> autoRipple{}; // Auto Ripple
        std::array<uint8_t, kMusicBands> musicLevels{}; // Musical Rhythm
        std::array<uint8_t, kMusicBands> musicIntensities{};
        uint8_t sideEffect = 0;
        std::array<uint8_t, 3> sideColour{}; // Static, Breath, Neon, Close
        std::array<uint8_t, 5> collision{}; // Collision
        // Non-zero bytes where the effects put nothing: a fault of the sender.
        int strayBytes = 0;
        Report bytes{};
    };

    // What the keyboard keeps of its lighting through a power cycle.
    struct Kept
    {
        Setting keyboard;
        Setting side;
        Report keyboardSet{};
        Report sideSet{};
        std::map<int, CustomSlot> customSlots;
        int shownSlot = -1;
    };

    explicit SimulatedLighting(int streamSideLeds);

    // Takes one written report of the lighting family: false when it is not
    // one. An inquiry leaves its answer in `answer`.
    bool receive(const Report& report, int64_t timeNs, std::optional<Report>* answer);
    // The factory reset.
    void reset();
    Kept kept() const;
    void restore(const Kept& kept);

    // Effect settings.
    Report keyboardEffectReport() const { return m_keyboardSet; } // the last 0x06 set report
    Report sideEffectReport() const { return m_sideSet; } // the last 0x07 set report
    Setting keyboardSetting() const { return m_keyboard; }
    Setting sideSetting() const { return m_side; }
    void setKeyboardSetting(const Setting& setting) { m_keyboard = setting; }
    void setSideSetting(const Setting& setting) { m_side = setting; }
    // The input reports the keyboard sends for its settings (also unasked,
    // when it changed one itself).
    Report keyboardSettingReport() const;
    Report sideSettingReport() const;
    // The keys now show the custom scheme of a slot: the report saying so.
    Report showCustomSlot(int slot);
    int shownCustomSlot() const { return m_shownSlot; } // -1 until then

    // Custom colour uploads.
    std::optional<CustomSlot> customSlot(int slot) const;
    // Colour bytes of one packet of a slot's last whole upload, or of the
    // last whole upload into any slot.
    std::vector<uint8_t> customColours(int slot, int packet) const;
    std::vector<uint8_t> customColours(int packet) const;
    int wholeUploads() const { return m_wholeUploads; }
    int brokenUploads() const { return m_brokenUploads; }

    // The cable light stream.
    int streamSideLeds() const { return m_sideLeds; }
    int wholeFrames() const { return m_wholeFrames; }
    int cutFrames() const { return m_cutFrames; }
    // Whole frames per second between the first and the last whole frame.
    double framesPerSecond() const;
    std::vector<uint8_t> lastFrameKeys() const { return m_lastKeys; } // 132 x RGB
    std::vector<uint8_t> lastFrameSide() const { return m_lastSide; } // side LEDs x RGB

    // Light synchronisation.
    bool isSynchronising() const { return m_synchronising; }
    std::vector<int64_t> keepAliveTimes() const { return m_keepAlives; }
    // The longest time between two keep-alives of one synchronisation run.
    int64_t longestKeepAliveGapNs() const { return m_longestGapNs; }

    // Compact frames from behind the receiver, in order.
    std::vector<ReceiverFrame> receiverFrames() const { return {m_receiverFrames.begin(), m_receiverFrames.end()}; }

private:
    struct Upload
    {
        int slot = 0;
        int nextPacket = 0;
        bool broken = false; // counted once; the rest of it is ignored
        CustomSlot colours;
    };

    static Setting settingOf(const Report& report);
    static Report settingReport(uint8_t type, const Setting& setting);
    static ReceiverFrame decode(const Report& report, int64_t timeNs);
    void takeCustomColours(const Report& report);
    void takeStreamPacket(const Report& report, int64_t timeNs);
    void takeSynchronisation(const Report& report, int64_t timeNs);
    int streamPacketBytes(int part, int packet) const;
    int sidePackets() const;

    int m_sideLeds;
    Setting m_keyboard;
    Setting m_side;
    int m_shownSlot = -1;
    Report m_keyboardSet{};
    Report m_sideSet{};

    std::map<int, CustomSlot> m_slots;
    int m_lastUploadSlot = -1;
    std::optional<Upload> m_upload; // under way
    int m_awaitingEffectSlot = -1; // the whole upload the next effect report closes
    int m_wholeUploads = 0;
    int m_brokenUploads = 0;

    // The frame being streamed: the part and packet expected next, or none
    // until a frame begins with key packet 0.
    bool m_inFrame = false;
    int m_nextPart = 0;
    int m_nextPacket = 0;
    std::vector<uint8_t> m_frameKeys;
    std::vector<uint8_t> m_frameSide;
    int m_wholeFrames = 0;
    int m_cutFrames = 0;
    int64_t m_firstFrameNs = 0;
    int64_t m_lastFrameNs = 0;
    std::vector<uint8_t> m_lastKeys;
    std::vector<uint8_t> m_lastSide;

    bool m_synchronising = false;
    std::vector<int64_t> m_keepAlives;
    int64_t m_longestGapNs = 0;

    std::deque<ReceiverFrame> m_receiverFrames;
};
