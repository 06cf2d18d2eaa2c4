#include "hid/DKeyReportEcho.h"

#include "app/DFixedText.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QMutexLocker>
#include <algorithm>

namespace {

constexpr int kModifierCount = 8;
constexpr int kTabUsage = 0x2B;
constexpr int kF4Usage = 0x3D;
constexpr uint8_t kWindowsBits = 0x08 | 0x80;

enum class Modifier { Other, Alt, Shift };

// Bit order of the modifier byte: Ctrl, Shift, Alt, Windows; left, then right.
constexpr Modifier kModifierKinds[kModifierCount] = {
    Modifier::Other, Modifier::Shift, Modifier::Alt, Modifier::Other,
    Modifier::Other, Modifier::Shift, Modifier::Alt, Modifier::Other,
};

bool locked(const char (&field)[8])
{
    return DFixedText::bytes(field) == "1";
}

bool holds(const DKeyReportEcho::KeyReport& report, uint8_t usage)
{
    return std::find(report.begin() + DKeyReportEcho::kFirstKeySlot, report.end(), usage) != report.end();
}

} // namespace

int DKeyReportEcho::modifierUsage(unsigned mask)
{
    if (mask == 0 || mask > 0xFF || (mask & (mask - 1)) != 0)
        return -1;
    int bit = 0;
    while (!(mask & (1u << bit)))
        ++bit;
    return kFirstModifierUsage + bit;
}

QList<DKeyReportEcho::KeyChange> DKeyReportEcho::takeReport(const KeyReport& report)
{
    const KeyReport& previous = m_lastKeyReport;
    QList<KeyChange> changes;
    for (int bit = 0; bit < kModifierCount; ++bit) {
        if ((report[0] & (1 << bit)) && !(previous[0] & (1 << bit)))
            changes.append({kFirstModifierUsage + bit, true});
    }
    for (int slot = kFirstKeySlot; slot < kSlotEnd; ++slot) {
        if (report[slot] != 0 && !holds(previous, report[slot]))
            changes.append({report[slot], true});
    }
    for (int bit = 0; bit < kModifierCount; ++bit) {
        if (!(report[0] & (1 << bit)) && (previous[0] & (1 << bit)))
            changes.append({kFirstModifierUsage + bit, false});
    }
    for (int slot = kFirstKeySlot; slot < kSlotEnd; ++slot) {
        if (previous[slot] != 0 && !holds(report, previous[slot]))
            changes.append({previous[slot], false});
    }
    m_lastKeyReport = report;
    return changes;
}

void DKeyReportEcho::setKeyState(int usage, bool pressed)
{
    if (usage >= kFirstModifierUsage && usage < kFirstModifierUsage + kModifierCount) {
        const uint8_t bit = uint8_t(1u << (usage - kFirstModifierUsage));
        if (pressed)
            m_echoReport[0] |= bit;
        else
            m_echoReport[0] &= uint8_t(~bit);
        return;
    }
    if (pressed) {
        QMutexLocker lock(&m_echoMutex);
        if (m_echoLen < kSlotEnd && usage > 0 && usage <= 0xFF)
            m_echoReport[size_t(m_echoLen++)] = uint8_t(usage);
        return;
    }
    // Only a key that is really there is taken out; the length must not
    // drift for a release the echo never saw (a key the filter removed).
    for (int slot = kFirstKeySlot; slot < m_echoLen; ++slot) {
        if (m_echoReport[size_t(slot)] != usage)
            continue;
        std::copy(m_echoReport.begin() + slot + 1, m_echoReport.end(), m_echoReport.begin() + slot);
        m_echoReport[kSlotEnd - 1] = 0;
        --m_echoLen;
        return;
    }
}

void DKeyReportEcho::applyLocks(const functionLockInfo& locks)
{
    if (m_echoReport[0] & kWindowsBits) {
        if (locked(locks.windowsKey))
            m_echoReport[0] &= uint8_t(~kWindowsBits);
        return;
    }
    QList<int> held;
    const int single = modifierUsage(m_echoReport[0]);
    if (single >= 0) {
        held.append(single);
    } else {
        for (int bit = 0; bit < kModifierCount; ++bit) {
            if (m_echoReport[0] & (1 << bit))
                held.append(kFirstModifierUsage + bit);
        }
    }
    QList<int> removed;
    for (int modifier : qAsConst(held)) {
        for (int slot = kFirstKeySlot; slot < kSlotEnd; ++slot) {
            const int usage = m_echoReport[size_t(slot)];
            switch (kModifierKinds[modifier - kFirstModifierUsage]) {
            case Modifier::Alt:
                if (usage == kTabUsage ? locked(locks.altTab) : usage == kF4Usage && locked(locks.altF4))
                    removed.append(usage);
                break;
            case Modifier::Shift:
                if (usage == kTabUsage && locked(locks.shiftTab))
                    removed.append(usage);
                break;
            case Modifier::Other:
                break;
            }
        }
    }
    for (int usage : qAsConst(removed))
        setKeyState(usage, false);
}
