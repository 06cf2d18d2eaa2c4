#include "DSeniorKeysPage.h"

#include "DDataManager.h"

DSeniorKeysPage::DSeniorKeysPage(QWidget* parent)
    : DToolDialog(parent, QSize(900, 600))
{
    setObjectName(QStringLiteral("DSeniorKeysPage"));
    setCaption(QObject::tr("Senior Keys"));
}

void DSeniorKeysPage::aboutToClose()
{
    emit sigSeniorKeysPageClose();
    DDataManager::getInstance()->notifySeniorKeysListChanged();
}
