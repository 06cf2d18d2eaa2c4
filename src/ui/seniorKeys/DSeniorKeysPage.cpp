#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "app/DDataManager.h"

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
