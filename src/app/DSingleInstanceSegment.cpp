#include "app/DSingleInstanceSegment.h"

#include "app/logCategories.h"
#include "platform/include/LocalSocketUser.h"

#include <QDebug>

DSingleInstanceSegment::DSingleInstanceSegment(const QString& key)
    : m_memory(userKey(key))
{
}

QString DSingleInstanceSegment::userKey(const QString& key)
{
    return key + QStringLiteral("-uid") + QString::number(LocalSocketUser::currentUserId());
}

bool DSingleInstanceSegment::create()
{
    m_held = m_memory.create(1, QSharedMemory::ReadWrite);
    if (!m_held)
        qCDebug(lcUi) << "--------------- EXE already runing -----------------";
    return m_held;
}

bool DSingleInstanceSegment::reclaimStale()
{
    if (m_held)
        return true;
    if (m_memory.attach(QSharedMemory::ReadOnly))
        m_memory.detach();
    m_held = m_memory.create(1, QSharedMemory::ReadWrite);
    qCDebug(lcUi) << (m_held ? "Single instance: reclaimed the segment a crashed instance left behind"
                             : "Single instance: the segment is held by a process that does not answer");
    return m_held;
}
