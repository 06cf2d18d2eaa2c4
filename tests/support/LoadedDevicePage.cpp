#include "support/LoadedDevicePage.h"

#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QSignalSpy>

std::unique_ptr<DDevicePage> loadedDevicePage(int timeoutMs)
{
    auto page = std::make_unique<DDevicePage>();
    // The list load ends with the firmware check, whatever it found.
    QSignalSpy loadEnd(page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    if (!loadEnd.wait(timeoutMs))
        return nullptr;
    return page;
}
