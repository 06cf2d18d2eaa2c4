#include "app/SingleInstanceSegment.h"

#include <QDebug>

SingleInstanceSegment::SingleInstanceSegment(const QString& key)
    : m_memory(key)
{
}

bool SingleInstanceSegment::create()
{
    m_held = m_memory.create(1, QSharedMemory::ReadWrite);
    if (!m_held)
        qDebug() << "--------------- EXE already runing -----------------";
    return m_held;
}

bool SingleInstanceSegment::reclaimStale()
{
    if (m_held)
        return true;
    if (m_memory.attach(QSharedMemory::ReadOnly))
        m_memory.detach();
    m_held = m_memory.create(1, QSharedMemory::ReadWrite);
    qDebug() << (m_held ? "Single instance: reclaimed the segment a crashed instance left behind"
                        : "Single instance: the segment is held by a process that does not answer");
    return m_held;
}
