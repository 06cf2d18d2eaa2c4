#include "sdk/include/StoreWriteBatch.h"

#include "sdk/store/XmlStore.h"

StoreWriteBatch::StoreWriteBatch()
{
    XmlStore::checkThread();
    XmlStore::instance().cache.beginBatch();
}

StoreWriteBatch::~StoreWriteBatch()
{
    commit();
}

bool StoreWriteBatch::commit()
{
    if (m_open) {
        XmlStore::checkThread();
        m_open = false;
        m_written = XmlStore::instance().cache.endBatch();
    }
    return m_written;
}

void StoreWriteBatch::abandon()
{
    if (!m_open)
        return;
    XmlStore::checkThread();
    m_open = false;
    m_written = false;
    XmlStore::instance().cache.abandonBatch();
}
