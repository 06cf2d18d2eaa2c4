#include "app/DSingleInstanceSegment.h"

#include "app/logCategories.h"
#include "platform/include/LocalSocketUser.h"

#include <QDebug>

DSingleInstanceSegment::DSingleInstanceSegment(const QString& key, const QString& channel)
    : m_keyFile(keyFile(channel))
    , m_key(userKey(key))
    , m_memory(fresh())
{
}

DSingleInstanceSegment::~DSingleInstanceSegment() = default;

std::unique_ptr<QSharedMemory> DSingleInstanceSegment::fresh() const
{
    auto memory = std::make_unique<QSharedMemory>();
    if (m_keyFile.isEmpty())
        memory->setKey(m_key);
    else
        memory->setNativeKey(m_keyFile);
    return memory;
}

QString DSingleInstanceSegment::keyFile(const QString& channel)
{
    const QString folder = LocalSocketUser::channelFolder(channel);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + channel + QStringLiteral(".segment");
}

QString DSingleInstanceSegment::userKey(const QString& key)
{
    return key + QStringLiteral("-uid") + QString::number(LocalSocketUser::currentUserId());
}

bool DSingleInstanceSegment::create()
{
    m_held = m_memory->create(1, QSharedMemory::ReadWrite);
    if (!m_held)
        qCDebug(lcUi) << "--------------- EXE already runing -----------------";
    return m_held;
}

bool DSingleInstanceSegment::reclaimStale()
{
    if (m_held)
        return true;
    // Fresh objects for each step: after a failed create, Qt's object for a
    // file key refuses to attach ("unable to set key on lock"), and the
    // leftover would stay for every later start.
    {
        const std::unique_ptr<QSharedMemory> leftover = fresh();
        if (leftover->attach(QSharedMemory::ReadOnly))
            leftover->detach();
    }
    m_memory = fresh();
    m_held = m_memory->create(1, QSharedMemory::ReadWrite);
    qCDebug(lcUi) << (m_held ? "Single instance: reclaimed the segment a crashed instance left behind"
                        : "Single instance: the segment is held by a process that does not answer");
    return m_held;
}
