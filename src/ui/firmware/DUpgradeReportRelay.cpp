#include "ui/firmware/DUpgradeReportRelay.h"

#include "ui/firmware/DUpdateFirmwareDia.h"

DUpgradeReportRelay::DUpgradeReportRelay(QObject* parent)
    : QObject(parent)
{
}

void DUpgradeReportRelay::setWindow(DUpdateFirmwareDia* window)
{
    m_window = window;
}

template<typename Call>
void DUpgradeReportRelay::deliver(Call call)
{
    // Queued even from the GUI thread, so a report never runs inside the
    // call that made it.
    QMetaObject::invokeMethod(
        this,
        [this, call] {
            if (m_window)
                call(m_window.data());
        },
        Qt::QueuedConnection);
}

void DUpgradeReportRelay::reportProgress(int total, int done)
{
    deliver([total, done](DUpdateFirmwareDia* window) { window->reportProgress(total, done); });
}

void DUpgradeReportRelay::reportSuccess()
{
    deliver([](DUpdateFirmwareDia* window) { window->reportSuccess(); });
}

void DUpgradeReportRelay::reportFailure()
{
    deliver([](DUpdateFirmwareDia* window) { window->reportFailure(); });
}
