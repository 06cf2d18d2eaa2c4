#include "support/CurrentProfileLayer.h"

#include "support/StoreTestSupport.h"

#include "app/DDataManager.h"

CurrentProfileLayer::CurrentProfileLayer(int profiles)
    : m_path(pathOf(QStringLiteral("appProfile_Default.xml")))
{
    if (!m_dir.isValid() || !StoreTestSupport::createLayerFile(m_path, profiles, 1))
        return;
    DDataManager* data = DDataManager::getInstance();
    data->setCurrentProfileIndex(1);
    m_ready = data->setCurrentProfilePath(m_path);
}

CurrentProfileLayer::~CurrentProfileLayer()
{
    DDataManager::getInstance()->clearCurrentKey();
}

QByteArray CurrentProfileLayer::pathOf(const QString& name) const
{
    return StoreTestSupport::pathIn(m_dir, name);
}
