#pragma once

#include "sdk/models/ModelInfo.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// A keyboard in its upgrade mode: it speaks our bootloader protocol
// (sdk/firmware/PROTOCOL.md) with its own table of numbers, keeps the image
// it is sent, checks it at the end, and logs every report it receives.
// Faults are set when it is plugged. Every member is locked: the host's
// worker writes while a test watches.
class SimulatedBootloader
{
public:
    using Report = std::array<uint8_t, 64>;

    struct Faults
    {
        bool silent = false; // answers nothing
        int refuseAtBlock = -1; // answers "write failed" to this block
        int refusals = -1; // that many times; -1: every time
        int powerLossAtBlock = -1; // leaves the bus on this block, its flash half-written
        QString identifyAsModel; // identifies as another model
        int identifyAsVariant = -1; // 0 or 1: identifies as that variant
        bool corruptsFlash = false; // a stored byte flips: the finish finds a bad CRC-32
        int answerDelayMs = 0; // each data block takes this long
        bool noArrival = false; // after 0x0A the keyboard leaves and nothing comes
        bool refusesOpen = false; // its interface cannot be opened
    };

    // What it asks of the bus, on the thread that wrote the report.
    enum class Event { PowerLost, Reset };
    using EventRequest = std::function<void(Event)>;

    SimulatedBootloader(const ModelInfo& model, bool viaReceiver, const Faults& faults,
                        const std::string& runningVersion);

    const ModelInfo& model() const { return m_model; }
    const Faults& faults() const { return m_faults; }
    bool viaReceiver() const { return m_viaReceiver; }
    void setEventRequest(EventRequest request);

    // Transport side, as SimulatedKeyboard's.
    bool receive(const uint8_t* report);
    int takeInput(uint8_t* report);
    // It answers as soon as a request is written: a read is due at once
    // (0) when an answer waits or it is unplugged, else not before the next
    // request (-1).
    int64_t nextInputDueNs() const;
    bool isPlugged() const;
    void setPlugged(bool plugged);
    void addInputListener(int eventFd);
    void removeInputListener(int eventFd);

    std::vector<Report> receivedReports() const;
    // Reports received with this operation code.
    int receivedCount(uint8_t operation) const;
    // The firmware the keyboard will run when it leaves: the accepted
    // image's version, else the version it ran before.
    std::string firmwareVersion() const;
    bool accepted() const;

private:
    // True when the report asks the bus for something (`event`).
    bool answerLocked(const Report& request, Event* event);
    void queueLocked(uint8_t operation, uint16_t block, uint8_t status);
    bool imageIsMineLocked(uint8_t* status, std::string* version) const;

    const ModelInfo m_model;
    const bool m_viaReceiver;
    const Faults m_faults;

    mutable std::mutex m_mutex;
    bool m_plugged = true;
    std::deque<Report> m_input;
    std::vector<Report> m_log;
    std::vector<int> m_listeners;
    EventRequest m_eventRequest;

    bool m_started = false;
    uint32_t m_size = 0;
    uint32_t m_crc = 0;
    int m_nextBlock = 0;
    int m_refusalsMade = 0;
    QByteArray m_flash;
    bool m_accepted = false;
    std::string m_version;
};
