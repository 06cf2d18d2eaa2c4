#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"

#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

updateLightMainThreadSide::updateLightMainThreadSide(QObject* parent)
    : DLightTickerThread("light-side", DLightTickInterval::kSideDefaultMs, true, parent)
{
}

updateLightMainThreadSide::~updateLightMainThreadSide()
{
    stopAndWait();
}

void updateLightMainThreadSide::run()
{
    runTicks([this] { emit sigDviceUpdateAllKeyColorSide(); });
}
