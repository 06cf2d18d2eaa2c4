#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

updateLightMainThreadUI::updateLightMainThreadUI(QObject* parent)
    : DLightTickerThread("light-paint", DLightTickInterval::kRepaintMs, false, parent)
{
}

updateLightMainThreadUI::~updateLightMainThreadUI()
{
    stopAndWait();
}

void updateLightMainThreadUI::run()
{
    runTicks([this] { emit sigDviceUpdateAllKeyColorUI(); });
}
