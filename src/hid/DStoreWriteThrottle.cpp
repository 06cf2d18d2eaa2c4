#include "hid/DStoreWriteThrottle.h"

#include <utility>

DStoreWriteThrottle::DStoreWriteThrottle(int intervalMs, QObject* parent)
    : QObject(parent)
{
    m_interval.setSingleShot(true);
    m_interval.setInterval(intervalMs);
    connect(&m_interval, &QTimer::timeout, this, &DStoreWriteThrottle::intervalEnded);
}

void DStoreWriteThrottle::submit(std::function<void()> save)
{
    if (m_interval.isActive()) {
        m_held = std::move(save);
        return;
    }
    m_interval.start();
    save();
}

void DStoreWriteThrottle::flush()
{
    if (!m_held)
        return;
    const std::function<void()> save = std::exchange(m_held, nullptr);
    save();
}

void DStoreWriteThrottle::intervalEnded()
{
    if (!m_held)
        return;
    // What ran now opens the next interval.
    m_interval.start();
    flush();
}
