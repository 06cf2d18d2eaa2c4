#include "sim/SimulatedKeyboard.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/eventfd.h>

namespace {

enum Command : uint8_t {
    Handshake = 0x00,
    SideEffectList = 0x01,
    KeyboardEffectList = 0x09,
    CustomisableKeys = 0x0D,
    DeviceFunctions = 0x13,
    SerialInquiry = 0x14,
    SerialWrite = 0x15,
    EnterBootloader = 0x0A,
    KeyMap = 0x17,
    Macro = 0x18,
    Magnetic = 0x29,
    AdvancedKey = 0x2A,
};

enum InputType : uint8_t {
    State = 0x01,
    SideEffects = 0x02,
    KeyReport = 0x04,
    FullKeyReport = 0x05,
    KeyboardEffects = 0x0A,
    Customisable = 0x0E,
    SleepAnswer = 0x14,
    SerialNumber = 0x15,
    MacroAck = 0x19,
    Action = 0x20,
    MagneticAnswer = 0x21,
};

constexpr int kMaxPayload = 58;
constexpr int kSerialLength = 32;
constexpr uint8_t kListMarker = 0xA5;

std::vector<uint8_t> payloadOf(const uint8_t* report, int length)
{
    const int n = std::clamp(length, 0, kMaxPayload);
    return std::vector<uint8_t>(report + 6, report + 6 + n);
}

std::atomic<int> g_serialCounter{0};

} // namespace

SimulatedKeyboard::SimulatedKeyboard(const ModelInfo& model, bool viaReceiver)
    : m_model(model)
    , m_viaReceiver(viaReceiver)
    , m_lighting(model.streamSideLedCount())
{
    char serial[kSerialLength + 1];
    std::snprintf(serial, sizeof serial, "5a%06x%024x", unsigned(model.productId), unsigned(++g_serialCounter));
    m_serial = serial;
    resetToDefaultsLocked();
}

int64_t SimulatedKeyboard::nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

SimulatedKeyboard::Report SimulatedKeyboard::blank(uint8_t type, uint8_t sub)
{
    Report r{};
    r[0] = 0x01;
    r[1] = type;
    r[2] = sub;
    return r;
}

void SimulatedKeyboard::resetToDefaultsLocked()
{
    m_lighting.reset();
    m_keyboardEffects.clear();
    for (uint8_t id = 0; id < 20; ++id)
        m_keyboardEffects.push_back(id);
    m_keyboardEffects.insert(m_keyboardEffects.end(), {kListMarker, 5, 5});
    m_sideEffects.clear();
    if (m_model.hasSideLight()) {
        for (uint8_t id = 0; id < 10; ++id)
            m_sideEffects.push_back(id);
        m_sideEffects.insert(m_sideEffects.end(), {kListMarker, 5, 5});
    } else {
        m_sideEffects = {kListMarker, 0, 0};
    }
    // Bit r of column c: the firmware keeps that key's FN layer for itself.
    m_customisable.fill(0);
    for (const auto& [row, column] : m_model.fnLayerKeys)
        m_customisable[size_t(column)] |= uint8_t(1u << row);
    m_keyMaps.clear();
    m_macros.clear();
    m_advancedKeys.clear();
    m_lockFlags = {};
    m_lightSleep = 600;
    m_keyboardSleep = 1800;
    m_prohibitSleep = 0;
    m_magnetic.reset();
}

void SimulatedKeyboard::setUnplugRequest(std::function<void()> request)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_unplugRequest = std::move(request);
}

void SimulatedKeyboard::setBootloaderRequest(std::function<void()> request)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bootloaderRequest = std::move(request);
}

namespace {
// The commands that change what the keyboard keeps on board (an inquiry
// among them changes nothing, but costs only a look).
bool changesMemory(uint8_t command)
{
    switch (command) {
    case 0x06: // keyboard light effect
    case 0x07: // side light effect
    case 0x08: // custom colours
    case DeviceFunctions:
    case KeyMap:
    case Macro:
    case Magnetic:
    case AdvancedKey:
        return true;
    default:
        return false;
    }
}
} // namespace

bool SimulatedKeyboard::receive(const uint8_t* report)
{
    std::function<void()> unplug;
    std::function<void()> enterBootloader;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_plugged)
            return false;
        if (m_failWrites != 0) {
            if (m_failWrites > 0)
                --m_failWrites;
            return false;
        }
        const auto failing = m_failCommandWrites.find(report[1]);
        if (failing != m_failCommandWrites.end() && failing->second != 0) {
            if (failing->second > 0)
                --failing->second;
            return false;
        }
        LoggedReport entry{nowNs(), {}};
        std::memcpy(entry.bytes.data(), report, entry.bytes.size());
        m_log.push_back(entry);
        if (m_log.size() > kLogLimit)
            m_log.pop_front();
        if (!m_viaReceiver || m_online)
            answer(entry.bytes);
        if (report[1] == EnterBootloader && (!m_viaReceiver || m_online))
            enterBootloader = m_bootloaderRequest;
        if (m_writesUntilUnplug > 0 && --m_writesUntilUnplug == 0) {
            m_plugged = false;
            signalListenersLocked();
            unplug = m_unplugRequest;
        }
    }
    if (changesMemory(report[1]))
        memoryChanged();
    if (unplug)
        unplug();
    else if (enterBootloader)
        enterBootloader();
    return true;
}

void SimulatedKeyboard::memoryChanged() const
{
    std::function<void()> listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listener = m_memoryChangeListener;
    }
    if (listener)
        listener();
}

SimulatedKeyboard::Memory SimulatedKeyboard::memory() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Memory kept;
    kept.lighting = m_lighting.kept();
    kept.keyMaps = m_keyMaps;
    kept.macros = m_macros;
    kept.advancedKeys = m_advancedKeys;
    kept.magnetic = m_magnetic;
    kept.lockFlags = m_lockFlags;
    kept.lightSleep = m_lightSleep;
    kept.keyboardSleep = m_keyboardSleep;
    kept.prohibitSleep = m_prohibitSleep;
    return kept;
}

void SimulatedKeyboard::restoreMemory(const Memory& kept)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lighting.restore(kept.lighting);
        m_keyMaps = kept.keyMaps;
        m_macros = kept.macros;
        m_advancedKeys = kept.advancedKeys;
        // The scripted outcomes and faults stay: they are the test's, not the memory's.
        for (int row = 0; row < SimulatedMagnetic::kRows; ++row) {
            for (int column = 0; column < SimulatedMagnetic::kColumns; ++column)
                m_magnetic.setKey(row, column, kept.magnetic.key(row, column));
        }
        for (uint8_t sub : {SimulatedMagnetic::Levels, SimulatedMagnetic::RateOfReturn, SimulatedMagnetic::AntiShake})
            m_magnetic.setValue(sub, kept.magnetic.value(sub));
        m_lockFlags = kept.lockFlags;
        m_lightSleep = kept.lightSleep;
        m_keyboardSleep = kept.keyboardSleep;
        m_prohibitSleep = kept.prohibitSleep;
    }
    memoryChanged();
}

void SimulatedKeyboard::restoreFactoryState()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        resetToDefaultsLocked();
    }
    memoryChanged();
}

void SimulatedKeyboard::setMemoryChangeListener(std::function<void()> listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_memoryChangeListener = std::move(listener);
}

int SimulatedKeyboard::takeInput(uint8_t* report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged)
        return -1;
    m_readPolls.push_back(nowNs());
    if (m_readPolls.size() > kLogLimit)
        m_readPolls.pop_front();
    if (m_failReads != 0) {
        if (m_failReads > 0)
            --m_failReads;
        return -1;
    }
    releaseDueLocked();
    // In order: a late answer holds back the ones behind it.
    if (m_input.empty() || m_input.front().dueNs > nowNs())
        return 0;
    const Pending p = m_input.front();
    m_input.pop_front();
    // A short report delivers only its own bytes.
    std::memcpy(report, p.bytes.data(), size_t(std::clamp(p.length, 0, int(p.bytes.size()))));
    return p.length;
}

void SimulatedKeyboard::queueInput(const Report& report, int length, int64_t dueNs)
{
    m_input.push_back({dueNs, report, length});
    signalListenersLocked();
}

void SimulatedKeyboard::signalListenersLocked() const
{
    for (int fd : m_inputListeners)
        eventfd_write(fd, 1);
}

void SimulatedKeyboard::setPlugged(bool plugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_plugged = plugged;
    signalListenersLocked();
}

void SimulatedKeyboard::addInputListener(int eventFd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inputListeners.push_back(eventFd);
}

void SimulatedKeyboard::removeInputListener(int eventFd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inputListeners.erase(std::remove(m_inputListeners.begin(), m_inputListeners.end(), eventFd),
                           m_inputListeners.end());
}

int64_t SimulatedKeyboard::nextInputDueNs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // An unplugged keyboard or a failing read is found by reading at once.
    if (!m_plugged || m_failReads != 0)
        return nowNs();
    if (!m_input.empty())
        return m_input.front().dueNs;
    // Answers held for later join the input when a read finds them due.
    int64_t next = -1;
    for (const Pending& later : m_later) {
        if (next < 0 || later.dueNs < next)
            next = later.dueNs;
    }
    return next;
}

void SimulatedKeyboard::queueLater(const Report& report, int delayMs)
{
    if (!m_answering || m_silent.count(m_log.back().bytes[1]))
        return;
    const int64_t due = nowNs() + int64_t(m_answerDelayMs + delayMs) * 1000000;
    m_later.push_back({due, report, 64});
    if (m_duplicate)
        m_later.push_back({due, report, 64});
}

void SimulatedKeyboard::releaseDueLocked()
{
    const int64_t now = nowNs();
    std::stable_sort(m_later.begin(), m_later.end(),
                     [](const Pending& a, const Pending& b) { return a.dueNs < b.dueNs; });
    auto due = m_later.begin();
    while (due != m_later.end() && due->dueNs <= now)
        ++due;
    for (auto it = m_later.begin(); it != due; ++it)
        queueInput(it->bytes, it->length, it->dueNs);
    m_later.erase(m_later.begin(), due);
}

void SimulatedKeyboard::queueAnswer(Report answer, int length)
{
    if (!m_answering || m_silent.count(m_log.back().bytes[1]))
        return;
    const int64_t due = nowNs() + int64_t(m_answerDelayMs) * 1000000;
    queueInput(answer, length, due);
    if (m_duplicate)
        queueInput(answer, length, due);
}

void SimulatedKeyboard::answer(const Report& r)
{
    // What fell due before this request is answered first.
    releaseDueLocked();
    const uint8_t command = r[1];
    const uint8_t sub = r[2];
    std::optional<Report> lightAnswer;
    if (m_lighting.receive(r, m_log.back().timeNs, &lightAnswer)) {
        if (lightAnswer)
            queueAnswer(*lightAnswer);
        return;
    }
    switch (command) {
    case Handshake:
        if (m_stateOnHandshake)
            queueAnswer(stateReportLocked());
        break;
    case SideEffectList: {
        Report a = blank(SideEffects);
        std::copy_n(m_sideEffects.begin(), std::min<size_t>(m_sideEffects.size(), kMaxPayload), a.begin() + 6);
        queueAnswer(a);
        break;
    }
    case KeyboardEffectList: {
        Report a = blank(KeyboardEffects);
        std::copy_n(m_keyboardEffects.begin(), std::min<size_t>(m_keyboardEffects.size(), kMaxPayload), a.begin() + 6);
        queueAnswer(a);
        break;
    }
    case CustomisableKeys: {
        Report a = blank(Customisable);
        std::copy(m_customisable.begin(), m_customisable.end(), a.begin() + 6);
        queueAnswer(a);
        break;
    }
    case DeviceFunctions:
        if (sub == 0) {
            if (r[6] == 1) {
                ++m_factoryResets;
                resetToDefaultsLocked();
            } else {
                std::copy_n(r.begin() + 13, 4, m_lockFlags.begin());
            }
        } else if (sub == 1) {
            m_lightSleep = r[9] * 256 + r[10];
            m_keyboardSleep = r[11] * 256 + r[12];
            m_prohibitSleep = r[13];
            queueAnswer(blank(SleepAnswer, 0));
        } else if (sub == 2) {
            Report a = blank(SleepAnswer, 2);
            a[9] = uint8_t(m_lightSleep >> 8);
            a[10] = uint8_t(m_lightSleep);
            a[11] = uint8_t(m_keyboardSleep >> 8);
            a[12] = uint8_t(m_keyboardSleep);
            a[13] = uint8_t(m_prohibitSleep);
            queueAnswer(a);
        }
        break;
    case SerialInquiry:
        queueAnswer(serialReportLocked());
        break;
    case SerialWrite: {
        if (m_forgetsSerialWrites)
            break;
        const auto* text = reinterpret_cast<const char*>(r.data() + 6);
        m_serial.assign(text, strnlen(text, kSerialLength));
        break;
    }
    case KeyMap:
        // Packet 0 starts a new transfer of the layer.
        if (r[4] == 0)
            m_keyMaps[sub].clear();
        m_keyMaps[sub][r[4]] = payloadOf(r.data(), r[5]);
        break;
    case Macro: {
        if (r[4] == 0)
            m_macros[sub].clear();
        m_macros[sub][r[4]] = payloadOf(r.data(), r[5]);
        if (m_acksUntilDrop > 0 && --m_acksUntilDrop == 0) {
            if (--m_acksToDrop > 0)
                m_acksUntilDrop = 1;
            break;
        }
        Report a = blank(MacroAck, sub);
        a[4] = r[4];
        queueAnswer(a);
        break;
    }
    case Magnetic: {
        bool endsCalibration = false;
        const std::vector<SimulatedMagnetic::Answer> answers = m_magnetic.receive(r, &endsCalibration);
        if (endsCalibration) {
            m_later.erase(std::remove_if(m_later.begin(), m_later.end(),
                                         [](const Pending& p) {
                                             return p.bytes[1] == MagneticAnswer
                                                    && p.bytes[6] == SimulatedMagnetic::AllKeysCalibration;
                                         }),
                          m_later.end());
        }
        for (const SimulatedMagnetic::Answer& a : answers) {
            if (a.delayMs > 0)
                queueLater(a.bytes, a.delayMs);
            else
                queueAnswer(a.bytes);
        }
        break;
    }
    case AdvancedKey:
        m_advancedKeys[sub] = payloadOf(r.data(), std::min<int>(r[5], 50));
        break;
    default:
        break;
    }
}

SimulatedKeyboard::Report SimulatedKeyboard::serialReportLocked() const
{
    Report a = blank(SerialNumber);
    std::copy_n(m_serial.begin(), std::min<size_t>(m_serial.size(), kSerialLength), a.begin() + 6);
    return a;
}

SimulatedKeyboard::Report SimulatedKeyboard::stateReportLocked() const
{
    Report a = blank(State);
    a[5] = 1;
    a[6] = m_state.lockArmed;
    a[9] = m_state.charging;
    a[10] = m_state.battery;
    a[11] = m_viaReceiver ? 1 : 0;
    a[12] = m_viaReceiver && !m_online ? 1 : 0;
    a[13] = m_state.downloadStatus;
    a[14] = m_state.keyboardMode;
    return a;
}

std::vector<SimulatedKeyboard::LoggedReport> SimulatedKeyboard::receivedReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_log.begin(), m_log.end()};
}

std::vector<int64_t> SimulatedKeyboard::readPolls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_readPolls.begin(), m_readPolls.end()};
}

int SimulatedKeyboard::receivedCount(uint8_t command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(
        std::count_if(m_log.begin(), m_log.end(), [command](const LoggedReport& e) { return e.bytes[1] == command; }));
}

void SimulatedKeyboard::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
    m_readPolls.clear();
}

std::string SimulatedKeyboard::serialNumber() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_serial;
}

SimulatedKeyboard::Report SimulatedKeyboard::keyboardLightReport() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lighting.keyboardEffectReport();
}

SimulatedKeyboard::Report SimulatedKeyboard::sideLightReport() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lighting.sideEffectReport();
}

SimulatedLighting SimulatedKeyboard::lighting() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lighting;
}

namespace {
std::vector<uint8_t> joined(const std::map<int, std::map<int, std::vector<uint8_t>>>& packets, int key)
{
    std::vector<uint8_t> all;
    const auto it = packets.find(key);
    if (it == packets.end())
        return all;
    for (const auto& packet : it->second)
        all.insert(all.end(), packet.second.begin(), packet.second.end());
    return all;
}
} // namespace

std::vector<uint8_t> SimulatedKeyboard::keyMap(int layer) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return joined(m_keyMaps, layer);
}

std::vector<uint8_t> SimulatedKeyboard::macroSlot(int slot) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return joined(m_macros, slot);
}

std::vector<uint8_t> SimulatedKeyboard::advancedKeySlot(int slot) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_advancedKeys.find(slot);
    return it == m_advancedKeys.end() ? std::vector<uint8_t>() : it->second;
}

std::array<uint8_t, 4> SimulatedKeyboard::lockFlags() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lockFlags;
}

int SimulatedKeyboard::lightSleep() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lightSleep;
}

int SimulatedKeyboard::keyboardSleep() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_keyboardSleep;
}

int SimulatedKeyboard::prohibitSleep() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_prohibitSleep;
}

int SimulatedKeyboard::factoryResets() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_factoryResets;
}

uint8_t SimulatedKeyboard::magneticValue(uint8_t subCommand) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_magnetic.value(subCommand);
}

SimulatedMagnetic SimulatedKeyboard::magnetic() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_magnetic;
}

std::vector<uint8_t> SimulatedKeyboard::customColours(int packet) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lighting.customColours(packet);
}

std::vector<uint8_t> SimulatedKeyboard::customColours(int slot, int packet) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lighting.customColours(slot, packet);
}

void SimulatedKeyboard::setSerialNumberRaw(const std::string& bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_serial = bytes.substr(0, kSerialLength);
}

void SimulatedKeyboard::setKeyboardEffectListRaw(const std::vector<uint8_t>& payload)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_keyboardEffects = payload;
}

void SimulatedKeyboard::setSideEffectListRaw(const std::vector<uint8_t>& payload)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sideEffects = payload;
}

void SimulatedKeyboard::setCustomisableKeys(const std::array<uint8_t, kCustomisableColumns>& columns)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_customisable = columns;
}

void SimulatedKeyboard::setMagneticValue(uint8_t subCommand, uint8_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_magnetic.setValue(subCommand, value);
}

void SimulatedKeyboard::editMagnetic(const std::function<void(SimulatedMagnetic&)>& edit)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    edit(m_magnetic);
}

void SimulatedKeyboard::pressKey(int row, int column, int depth)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int64_t now = nowNs();
    for (const SimulatedMagnetic::Answer& a : m_magnetic.pressAndRelease(row, column, depth))
        m_later.push_back({now + int64_t(a.delayMs) * 1000000, a.bytes, 64});
}

void SimulatedKeyboard::setState(const StateReport& state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
}

SimulatedKeyboard::StateReport SimulatedKeyboard::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void SimulatedKeyboard::setOnline(bool online)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_online == online)
        return;
    m_online = online;
    if (m_viaReceiver)
        queueInput(stateReportLocked(), 64, nowNs());
}

bool SimulatedKeyboard::isOnline() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_online;
}

void SimulatedKeyboard::setStateOnHandshake(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stateOnHandshake = on;
}

bool SimulatedKeyboard::stateOnHandshake() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stateOnHandshake;
}

void SimulatedKeyboard::sendStateReport()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    queueInput(stateReportLocked(), 64, nowNs());
}

void SimulatedKeyboard::sendSerialNumberReport()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    queueInput(serialReportLocked(), 64, nowNs());
}

void SimulatedKeyboard::sendKeyReport(const std::array<uint8_t, 8>& keys)
{
    Report r = blank(KeyReport);
    std::copy(keys.begin(), keys.end(), r.begin() + 6);
    injectInput(r);
}

void SimulatedKeyboard::sendFullKeyReport(const std::array<uint8_t, 13>& bytes)
{
    Report r = blank(FullKeyReport);
    std::copy(bytes.begin(), bytes.end(), r.begin() + 6);
    injectInput(r);
}

void SimulatedKeyboard::sendActionReport(uint8_t usage, bool pressed)
{
    Report r = blank(Action);
    r[9] = usage;
    r[10] = pressed ? 1 : 0;
    injectInput(r);
}

void SimulatedKeyboard::changeKeyboardLight(const SimulatedLighting::Setting& setting)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lighting.setKeyboardSetting(setting);
        queueInput(m_lighting.keyboardSettingReport(), 64, nowNs());
    }
    memoryChanged();
}

void SimulatedKeyboard::changeSideLight(const SimulatedLighting::Setting& setting)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lighting.setSideSetting(setting);
        queueInput(m_lighting.sideSettingReport(), 64, nowNs());
    }
    memoryChanged();
}

void SimulatedKeyboard::showCustomSlot(int slot)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        queueInput(m_lighting.showCustomSlot(slot), 64, nowNs());
    }
    memoryChanged();
}

void SimulatedKeyboard::injectInput(const Report& report, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    releaseDueLocked();
    queueInput(report, length, nowNs());
}

void SimulatedKeyboard::setAnswering(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answering = on;
}

void SimulatedKeyboard::setSilentCommand(uint8_t command, bool silent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (silent)
        m_silent.insert(command);
    else
        m_silent.erase(command);
}

void SimulatedKeyboard::setAnswerDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerDelayMs = std::max(0, ms);
}

void SimulatedKeyboard::setDuplicateAnswers(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_duplicate = on;
}

void SimulatedKeyboard::setForgetsSerialWrites(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_forgetsSerialWrites = on;
}

void SimulatedKeyboard::dropAcknowledgement(int n)
{
    dropAcknowledgements(n, 1);
}

void SimulatedKeyboard::dropAcknowledgements(int n, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_acksUntilDrop = std::max(0, n);
    m_acksToDrop = std::max(0, count);
}

void SimulatedKeyboard::failWrites(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failWrites = count;
}

void SimulatedKeyboard::failCommandWrites(uint8_t command, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failCommandWrites[command] = count;
}

void SimulatedKeyboard::failReads(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failReads = count;
    signalListenersLocked();
}

void SimulatedKeyboard::flood(uint8_t type, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int64_t now = nowNs();
    for (int i = 0; i < count; ++i) {
        Report r = blank(type);
        r[5] = type == State ? 1 : 0;
        r[6] = uint8_t(i);
        queueInput(r, 64, now);
    }
}

void SimulatedKeyboard::unplugAfterWrites(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writesUntilUnplug = std::max(0, count);
}

int SimulatedKeyboard::pendingInput() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_input.size() + m_later.size());
}
