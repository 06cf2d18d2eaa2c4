#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

// The magnetic-switch side of a simulated keyboard: per key of the 6 x 22
// grid its trigger mode and levels, the key selection the host last set,
// the level count, rate of return and anti-shake, and the two calibrations
// with the outcomes a test scripts for them. A plain value: the keyboard
// locks around it and hands out copies.
class SimulatedMagnetic
{
public:
    using Report = std::array<uint8_t, 64>;
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    using Columns = std::array<uint8_t, kColumns>;

    // Sub-commands of byte 6 of a request and of its answer.
    enum Sub : uint8_t {
        LiveTravel = 0x01,
        Selection = 0x02,
        TravelDisplayEnd = 0x03,
        Levels = 0x04,
        KeyInfo = 0x05,
        RestoreDefaults = 0x06,
        KeyCalibration = 0x07,
        AllKeysCalibration = 0x08,
        RateOfReturn = 0x09,
        AntiShake = 0x0A,
    };

    static constexpr uint8_t kDefaultLevels = 40;
    static constexpr uint8_t kDefaultAntiShake = 2;
    static constexpr uint8_t kDefaultRateOfReturn = 1;

    struct KeySetting
    {
        uint8_t mode = 0; // 0, 1, 12 or 13
        uint8_t press = 20;
        uint8_t release = 20;
        uint8_t quickPress = 10;
        uint8_t quickRelease = 10;

        bool operator==(const KeySetting& other) const;
        bool operator!=(const KeySetting& other) const { return !(*this == other); }
    };

    // How a calibration the host starts ends.
    enum class Outcome {
        Success, // running, then 0
        Failed, // running, then 2
        UnknownStatus, // running, then the unknown status
        NoAnswer, // nothing at all
        StuckRunning, // running, and never anything else
    };

    // An answer and how long after the request it is due.
    struct Answer
    {
        int delayMs = 0;
        Report bytes{};
    };

    SimulatedMagnetic();

    // A 0x29 request: the answers it calls for. `endsCalibration` is set
    // when it stops an all-keys calibration, whose answers still to come
    // are then not sent.
    std::vector<Answer> receive(const Report& request, bool* endsCalibration);
    // The stored values back to the factory's (the scripts stay).
    void reset();

    KeySetting key(int row, int column) const;
    Columns selection() const { return m_selection; }
    uint8_t value(uint8_t sub) const;
    int restores() const { return m_restores; }
    int travelDisplayEnds() const { return m_travelDisplayEnds; }
    bool allKeysRunning() const { return m_allKeysRunning; }
    // Row and column of the last single-key calibration asked for; -1, -1 before.
    std::pair<int, int> calibratedKey() const { return m_calibratedKey; }

    // Scripts and faults.
    void setValue(uint8_t sub, uint8_t value);
    // Any bytes, out-of-range ones too; outside the grid nothing is kept.
    void setKey(int row, int column, const KeySetting& setting);
    void setCalibrationOutcome(Outcome outcome, uint8_t unknownStatus = 9);
    // Time between two calibration answers.
    void setCalibrationStepMs(int ms);
    // Which keys the keyboard has (bits 0-5 per column); the all-keys
    // results grow over these.
    void setKeyColumns(const Columns& columns) { m_keyColumns = columns; }
    // Result bytes every all-keys answer carries instead of the growing map.
    void setAllKeysResults(std::optional<Columns> results) { m_scriptedResults = results; }
    // Live travel answers of one press and release of a key, to `depth` levels.
    std::vector<Answer> pressAndRelease(int row, int column, int depth) const;

    // An answer: 0x21, the sub-command in byte 6 and the bytes given.
    static Report reply(uint8_t sub, std::initializer_list<std::pair<int, int>> bytes = {});

private:
    static bool inGrid(int row, int column);
    void apply(const Report& request);
    void calibrateKey(const Report& request, std::vector<Answer>* answers);
    void calibrateAllKeys(std::vector<Answer>* answers);
    Columns resultsAfter(int step) const;

    std::array<std::array<KeySetting, kColumns>, kRows> m_keys{};
    Columns m_selection{};
    uint8_t m_levels = kDefaultLevels;
    uint8_t m_antiShake = kDefaultAntiShake;
    uint8_t m_rateOfReturn = kDefaultRateOfReturn;
    int m_restores = 0;
    int m_travelDisplayEnds = 0;
    bool m_allKeysRunning = false;
    std::pair<int, int> m_calibratedKey{-1, -1};

    Outcome m_outcome = Outcome::Success;
    uint8_t m_unknownStatus = 9;
    int m_stepMs = 50;
    Columns m_keyColumns{};
    std::optional<Columns> m_scriptedResults;
};
