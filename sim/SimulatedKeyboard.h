#pragma once

#include "sdk/models/ModelInfo.h"
#include "sim/SimulatedLighting.h"
#include "sim/SimulatedMagnetic.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// The firmware of one catalogue keyboard: it answers the protocol's
// inquiries, keeps what the commands set, sends state, key and action
// reports on demand, and logs every report it receives. Faults are injected
// through the same object. The I/O thread writes and reads from its own
// thread while a test drives the control side: every member is locked.
class SimulatedKeyboard
{
public:
    using Report = std::array<uint8_t, 64>;
    static constexpr int kMacroSlots = 10;
    static constexpr int kMacroPackets = 5;
    static constexpr int kAdvancedKeySlots = 40;
    static constexpr int kCustomisableColumns = 22;

    struct LoggedReport
    {
        int64_t timeNs; // CLOCK_MONOTONIC
        Report bytes;
    };

    struct StateReport
    {
        uint8_t lockArmed = 0; // byte 6
        uint8_t charging = 0; // byte 9
        uint8_t battery = 100; // byte 10
        uint8_t downloadStatus = 0; // byte 13
        uint8_t keyboardMode = 0; // byte 14
    };

    // What the keyboard keeps in its on-board memory through a power cycle.
    struct Memory
    {
        SimulatedLighting::Kept lighting;
        std::map<int, std::map<int, std::vector<uint8_t>>> keyMaps; // layer -> packet -> payload
        std::map<int, std::map<int, std::vector<uint8_t>>> macros; // slot -> packet -> payload
        std::map<int, std::vector<uint8_t>> advancedKeys;
        SimulatedMagnetic magnetic; // its key settings, level count, rate of return and anti-shake
        std::array<uint8_t, 4> lockFlags{};
        int lightSleep = 0;
        int keyboardSleep = 0;
        int prohibitSleep = 0;
    };

    SimulatedKeyboard(const ModelInfo& model, bool viaReceiver);

    const ModelInfo& model() const { return m_model; }
    bool viaReceiver() const { return m_viaReceiver; }

    // Transport side. receive() is one written report: false when the write
    // fails. takeInput() gives the next due input report: its byte count,
    // 0 for none, -1 when the read fails.
    bool receive(const uint8_t* report);
    int takeInput(uint8_t* report);
    bool isPlugged() const { return m_plugged; }
    void setPlugged(bool plugged);
    // A host that sleeps until there is input: each listed eventfd is
    // signalled whenever an input report is queued or the keyboard is
    // unplugged, and nextInputDueNs() says when the next read would not come
    // back empty (CLOCK_MONOTONIC; -1: not before more input is queued).
    void addInputListener(int eventFd);
    void removeInputListener(int eventFd);
    int64_t nextInputDueNs() const;
    // Called (on the writing thread) when unplugAfterWrites() runs out.
    void setUnplugRequest(std::function<void()> request);
    // Called (on the writing thread) when the keyboard is told to enter its
    // bootloader (0x0A): the bus replaces it with its upgrade-mode self.
    void setBootloaderRequest(std::function<void()> request);

    // What the keyboard received.
    // The logs keep the newest `logLimit` entries, so a long-running
    // simulation does not grow without end.
    static constexpr size_t kLogLimit = 100000;
    std::vector<LoggedReport> receivedReports() const;
    // When the host polled for input (every read, with or without a report).
    std::vector<int64_t> readPolls() const;
    int receivedCount(uint8_t command) const;
    void clearLog();

    // Kept state.
    std::string serialNumber() const;
    Report keyboardLightReport() const; // the last 0x06 set-effect report
    Report sideLightReport() const; // the last 0x07 set-effect report
    std::vector<uint8_t> keyMap(int layer) const; // 0x17 payloads in packet order
    std::vector<uint8_t> macroSlot(int slot) const; // payload bytes of its 0x18 packets
    std::vector<uint8_t> advancedKeySlot(int slot) const;
    std::array<uint8_t, 4> lockFlags() const; // bytes 13..16 of the last 0x13/0
    int lightSleep() const;
    int keyboardSleep() const;
    int prohibitSleep() const;
    int factoryResets() const;
    uint8_t magneticValue(uint8_t subCommand) const; // byte 7 of its 0x21 answer
    // The magnetic-switch side as it is now: per-key settings, selection,
    // calibration.
    SimulatedMagnetic magnetic() const;
    // Colour bytes of one packet of the last whole custom colour upload:
    // into any slot, or into one slot (byte 2). A broken upload leaves them.
    std::vector<uint8_t> customColours(int packet) const;
    std::vector<uint8_t> customColours(int slot, int packet) const;
    // The lighting side as it is now: settings, custom slots, the light
    // stream, the synchronisation and the compact frames.
    SimulatedLighting lighting() const;

    // On-board memory. The listener is called (on the thread that made the
    // change, outside the lock) after every change of what memory() holds.
    Memory memory() const;
    void restoreMemory(const Memory& memory);
    void restoreFactoryState();
    void setMemoryChangeListener(std::function<void()> listener);

    // Control side.
    void setSerialNumberRaw(const std::string& bytes); // up to 32 bytes, any content
    void setKeyboardEffectListRaw(const std::vector<uint8_t>& payload);
    void setSideEffectListRaw(const std::vector<uint8_t>& payload);
    void setCustomisableKeys(const std::array<uint8_t, kCustomisableColumns>& columns);
    void setMagneticValue(uint8_t subCommand, uint8_t value);
    // Scripts the magnetic side (outcomes, faults, key settings) under the lock.
    void editMagnetic(const std::function<void(SimulatedMagnetic&)>& edit);
    // A press and release of the key: its live travel answers, one step apart.
    void pressKey(int row, int column, int depth);
    void setState(const StateReport& state);
    StateReport state() const;
    // Behind a receiver: whether the keyboard is in reach. A change sends a
    // state report; while away, nothing is answered.
    void setOnline(bool online);
    bool isOnline() const;
    // Also send a state report after every handshake.
    void setStateOnHandshake(bool on);
    bool stateOnHandshake() const;

    void sendStateReport();
    // The serial-number answer, unasked, as after a reconnect of the firmware.
    void sendSerialNumberReport();
    void sendKeyReport(const std::array<uint8_t, 8>& keys);
    void sendFullKeyReport(const std::array<uint8_t, 13>& bytes);
    void sendActionReport(uint8_t usage, bool pressed);
    // The keyboard's own light changes (its keys or its side light set to
    // another effect, its custom scheme of a slot shown): kept, and
    // reported to the host unasked.
    void changeKeyboardLight(const SimulatedLighting::Setting& setting);
    void changeSideLight(const SimulatedLighting::Setting& setting);
    void showCustomSlot(int slot);
    void injectInput(const Report& report, int length = 64);

    // Faults.
    void setAnswering(bool on); // false: no answer at all
    void setSilentCommand(uint8_t command, bool silent);
    void setAnswerDelayMs(int ms); // late answers
    void setDuplicateAnswers(bool on);
    void setForgetsSerialWrites(bool on); // a written serial number is not kept
    void dropAcknowledgement(int n); // the n-th 0x19 from now is not sent
    void dropAcknowledgements(int n, int count); // nor the `count` - 1 after it
    void failWrites(int count); // the next `count` writes fail; -1: all
    void failCommandWrites(uint8_t command, int count); // the same for one command's reports
    void failReads(int count); // the next `count` reads fail; -1: all
    void flood(uint8_t type, int count);
    void unplugAfterWrites(int count); // 0: never
    int pendingInput() const;

private:
    void answer(const Report& request);
    void queueAnswer(Report answer, int length = 64);
    void queueInput(const Report& report, int length, int64_t dueNs);
    void signalListenersLocked() const;
    // Answers due later than the ones queued now; they join the input in
    // the order they fall due and hold nothing back until then.
    void queueLater(const Report& report, int delayMs);
    void releaseDueLocked();
    Report stateReportLocked() const;
    Report serialReportLocked() const;
    void resetToDefaultsLocked();
    void memoryChanged() const;
    static Report blank(uint8_t type, uint8_t sub = 0);
    static int64_t nowNs();

    const ModelInfo m_model;
    const bool m_viaReceiver;
    std::atomic<bool> m_plugged{true};

    mutable std::mutex m_mutex;
    struct Pending
    {
        int64_t dueNs;
        Report bytes;
        int length;
    };
    std::deque<Pending> m_input;
    std::vector<Pending> m_later;
    std::deque<LoggedReport> m_log;
    std::deque<int64_t> m_readPolls;
    std::vector<int> m_inputListeners;
    std::function<void()> m_unplugRequest;
    std::function<void()> m_bootloaderRequest;
    std::function<void()> m_memoryChangeListener;

    std::string m_serial;
    SimulatedLighting m_lighting;
    std::vector<uint8_t> m_keyboardEffects;
    std::vector<uint8_t> m_sideEffects;
    std::array<uint8_t, kCustomisableColumns> m_customisable{};
    std::map<int, std::map<int, std::vector<uint8_t>>> m_keyMaps; // layer -> packet -> payload
    std::map<int, std::map<int, std::vector<uint8_t>>> m_macros; // slot -> packet -> payload
    std::map<int, std::vector<uint8_t>> m_advancedKeys;
    SimulatedMagnetic m_magnetic;
    std::array<uint8_t, 4> m_lockFlags{};
    int m_lightSleep = 600;
    int m_keyboardSleep = 1800;
    int m_prohibitSleep = 0;
    int m_factoryResets = 0;
    StateReport m_state;
    bool m_online = true;
    bool m_stateOnHandshake = false;

    bool m_answering = true;
    std::set<uint8_t> m_silent;
    int m_answerDelayMs = 0;
    bool m_duplicate = false;
    bool m_forgetsSerialWrites = false;
    int m_acksUntilDrop = 0;
    int m_acksToDrop = 0;
    std::map<uint8_t, int> m_failCommandWrites;
    int m_failWrites = 0;
    int m_failReads = 0;
    int m_writesUntilUnplug = 0;
};
