#include "sim/SimulatedMagnetic.h"

#include <algorithm>

namespace {

constexpr uint8_t kMagneticCommand = 0x29;
constexpr uint8_t kMagneticAnswer = 0x21;
constexpr int kBitmapAt = 7;
constexpr int kApplyValuesAt = kBitmapAt + SimulatedMagnetic::kColumns;
constexpr uint8_t kRowBits = 0x3F;

// Calibration statuses.
constexpr uint8_t kDone = 0;
constexpr uint8_t kRunning = 1;
constexpr uint8_t kFailed = 2;

// Progress answers of an all-keys calibration before its end.
constexpr int kAllKeysSteps = 3;

bool isApplyMode(uint8_t mode)
{
    return mode == 0 || mode == 1 || mode == 12 || mode == 13;
}

} // namespace

bool SimulatedMagnetic::KeySetting::operator==(const KeySetting& other) const
{
    return mode == other.mode && press == other.press && release == other.release && quickPress == other.quickPress
           && quickRelease == other.quickRelease;
}

SimulatedMagnetic::SimulatedMagnetic()
{
    m_keyColumns.fill(kRowBits);
}

void SimulatedMagnetic::reset()
{
    for (auto& row : m_keys)
        row.fill(KeySetting{});
    m_selection = {};
    m_antiShake = kDefaultAntiShake;
    m_rateOfReturn = kDefaultRateOfReturn;
}

bool SimulatedMagnetic::inGrid(int row, int column)
{
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

SimulatedMagnetic::Report SimulatedMagnetic::reply(uint8_t sub, std::initializer_list<std::pair<int, int>> bytes)
{
    Report r{};
    r[0] = 0x01;
    r[1] = kMagneticAnswer;
    r[6] = sub;
    for (const auto& [at, value] : bytes) {
        if (at >= 0 && at < int(r.size()))
            r[size_t(at)] = uint8_t(value);
    }
    return r;
}

std::vector<SimulatedMagnetic::Answer> SimulatedMagnetic::receive(const Report& request, bool* endsCalibration)
{
    std::vector<Answer> answers;
    *endsCalibration = false;
    if (request[1] != kMagneticCommand)
        return answers;
    const uint8_t sub = request[6];
    if (isApplyMode(sub)) {
        apply(request);
        return answers;
    }
    switch (sub) {
    case Selection:
        std::copy_n(request.begin() + kBitmapAt, kColumns, m_selection.begin());
        break;
    case TravelDisplayEnd:
        ++m_travelDisplayEnds;
        break;
    case Levels:
        answers.push_back({0, reply(Levels, {{7, m_levels}})});
        break;
    case KeyInfo: {
        const int row = request[7];
        const int column = request[8];
        if (!inGrid(row, column))
            break;
        const KeySetting& k = m_keys[size_t(row)][size_t(column)];
        answers.push_back(
            {0, reply(KeyInfo, {{7, k.mode}, {8, k.press}, {9, k.release}, {10, k.quickPress}, {11, k.quickRelease}})});
        break;
    }
    case RestoreDefaults:
        ++m_restores;
        reset();
        break;
    case KeyCalibration:
        calibrateKey(request, &answers);
        break;
    case AllKeysCalibration:
        if (request[7] == 0) {
            calibrateAllKeys(&answers);
        } else {
            m_allKeysRunning = false;
            *endsCalibration = true;
        }
        break;
    case RateOfReturn:
    case AntiShake: {
        uint8_t& kept = sub == RateOfReturn ? m_rateOfReturn : m_antiShake;
        if (request[7] == 1)
            kept = request[8];
        answers.push_back({0, reply(sub, {{7, kept}})});
        break;
    }
    default:
        break;
    }
    return answers;
}

void SimulatedMagnetic::apply(const Report& request)
{
    const KeySetting applied{request[6], request[kApplyValuesAt], request[kApplyValuesAt + 1],
                             request[kApplyValuesAt + 2], request[kApplyValuesAt + 3]};
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (request[size_t(kBitmapAt + column)] >> row & 1u)
                m_keys[size_t(row)][size_t(column)] = applied;
        }
    }
}

void SimulatedMagnetic::calibrateKey(const Report& request, std::vector<Answer>* answers)
{
    m_calibratedKey = {request[7], request[8]};
    if (m_outcome == Outcome::NoAnswer)
        return;
    answers->push_back({0, reply(KeyCalibration, {{7, kRunning}})});
    if (m_outcome == Outcome::Success)
        answers->push_back({m_stepMs, reply(KeyCalibration, {{7, kDone}})});
    else if (m_outcome == Outcome::Failed)
        answers->push_back({m_stepMs, reply(KeyCalibration, {{7, kFailed}})});
    else if (m_outcome == Outcome::UnknownStatus)
        answers->push_back({m_stepMs, reply(KeyCalibration, {{7, m_unknownStatus}})});
}

SimulatedMagnetic::Columns SimulatedMagnetic::resultsAfter(int step) const
{
    if (m_scriptedResults)
        return *m_scriptedResults;
    Columns results{};
    const int columns = kColumns * step / kAllKeysSteps;
    std::copy_n(m_keyColumns.begin(), columns, results.begin());
    return results;
}

void SimulatedMagnetic::calibrateAllKeys(std::vector<Answer>* answers)
{
    if (m_outcome == Outcome::NoAnswer)
        return;
    m_allKeysRunning = true;
    const auto answer = [](uint8_t status, const Columns& results) {
        Report r = reply(AllKeysCalibration, {{7, status}});
        std::copy(results.begin(), results.end(), r.begin() + 8);
        return r;
    };
    for (int step = 0; step < kAllKeysSteps; ++step)
        answers->push_back({m_stepMs * step, answer(kRunning, resultsAfter(step + 1))});
    const int end = m_stepMs * kAllKeysSteps;
    if (m_outcome == Outcome::Success)
        answers->push_back({end, answer(kDone, resultsAfter(kAllKeysSteps))});
    else if (m_outcome == Outcome::Failed)
        answers->push_back({end, answer(kFailed, resultsAfter(kAllKeysSteps - 1))});
    else if (m_outcome == Outcome::UnknownStatus)
        answers->push_back({end, answer(m_unknownStatus, Columns{})});
}

SimulatedMagnetic::KeySetting SimulatedMagnetic::key(int row, int column) const
{
    return inGrid(row, column) ? m_keys[size_t(row)][size_t(column)] : KeySetting{};
}

uint8_t SimulatedMagnetic::value(uint8_t sub) const
{
    switch (sub) {
    case Levels:
        return m_levels;
    case RateOfReturn:
        return m_rateOfReturn;
    case AntiShake:
        return m_antiShake;
    default:
        return 0;
    }
}

void SimulatedMagnetic::setValue(uint8_t sub, uint8_t value)
{
    if (sub == Levels)
        m_levels = value;
    else if (sub == RateOfReturn)
        m_rateOfReturn = value;
    else if (sub == AntiShake)
        m_antiShake = value;
}

void SimulatedMagnetic::setKey(int row, int column, const KeySetting& setting)
{
    if (inGrid(row, column))
        m_keys[size_t(row)][size_t(column)] = setting;
}

void SimulatedMagnetic::setCalibrationOutcome(Outcome outcome, uint8_t unknownStatus)
{
    m_outcome = outcome;
    m_unknownStatus = unknownStatus;
}

void SimulatedMagnetic::setCalibrationStepMs(int ms)
{
    m_stepMs = std::max(0, ms);
}

std::vector<SimulatedMagnetic::Answer> SimulatedMagnetic::pressAndRelease(int row, int column, int depth) const
{
    std::vector<Answer> answers;
    const int top = std::clamp(depth, 0, 255);
    const int travel[] = {top / 2, top, top / 2, 0};
    int at = 0;
    for (int level : travel) {
        answers.push_back({at, reply(LiveTravel, {{7, row}, {8, column}, {9, level}})});
        at += m_stepMs;
    }
    return answers;
}
