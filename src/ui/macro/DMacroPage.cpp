#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"

#include <QByteArray>

DMacroPage::DMacroPage(QWidget* parent)
    : DToolDialog(parent, QSize(900, 600))
{
    setObjectName(QStringLiteral("DMacroPage"));
    setCaption(QObject::tr("Macro"));
}

void DMacroPage::setMacroFilePath(const char* path)
{
    qstrncpy(m_macroFilePath, path ? path : "", sizeof m_macroFilePath);
}

void DMacroPage::aboutToClose()
{
    // A recording must never outlive the editor.
    DDataManager::getInstance()->switchMacroRecordHook(false);
    emit sigMacroPageClose();
}
