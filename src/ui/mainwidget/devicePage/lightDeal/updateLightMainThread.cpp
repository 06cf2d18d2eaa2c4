#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"

#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

updateLightMainThread::updateLightMainThread(QObject* parent)
    : DLightTickerThread("light-keys", DLightTickInterval::kKeyboardDefaultMs, true, parent)
{
}

updateLightMainThread::~updateLightMainThread()
{
    stopAndWait();
}

void updateLightMainThread::run()
{
    runTicks([this] { emit sigDviceUpdateAllKeyColor(); });
}
