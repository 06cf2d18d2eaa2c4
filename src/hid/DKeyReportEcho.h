#pragma once

#include <QList>
#include <QMutex>
#include <array>
#include <cstdint>

struct functionLockInfo;

// The keyboard's 8-byte keyboard report (modifier bits, a reserved byte,
// six key slots) as the link follows it: which keys went down and up since
// the last report, and the echo report the link sends back, from which the
// profile's locked combinations are taken out while the keyboard has armed
// the lock filter.
class DKeyReportEcho
{
public:
    using KeyReport = std::array<uint8_t, 8>;

    struct KeyChange
    {
        int usage;
        bool pressed;
        bool operator==(const KeyChange& other) const { return usage == other.usage && pressed == other.pressed; }
    };

    static constexpr int kFirstKeySlot = 2;
    static constexpr int kSlotEnd = 8;
    static constexpr int kFirstModifierUsage = 224;

    // For a modifier byte with exactly one bit set, that modifier's usage;
    // -1 otherwise.
    static int modifierUsage(unsigned mask);

    // Compares `report` with the previous one and returns the changes in
    // this order: modifiers down, keys down, modifiers up, keys up. The
    // report becomes the previous one.
    QList<KeyChange> takeReport(const KeyReport& report);

    // Follows one key in the echo report.
    void setKeyState(int usage, bool pressed);

    // Takes the locked combinations out of the echo report.
    void applyLocks(const functionLockInfo& locks);

    KeyReport lastReport() const { return m_lastKeyReport; }
    KeyReport echoReport() const { return m_echoReport; }
    int echoLength() const { return m_echoLen; }

private:
    KeyReport m_lastKeyReport{};
    KeyReport m_echoReport{};
    int m_echoLen = kFirstKeySlot;
    QMutex m_echoMutex;
};
