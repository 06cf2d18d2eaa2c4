#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"

#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

sendLightUpdataThread::sendLightUpdataThread(QObject* parent)
    : DLightTickerThread("light-stream", DLightTickInterval::kStreamMs, false, parent)
{
}

sendLightUpdataThread::~sendLightUpdataThread()
{
    stopAndWait();
}

void sendLightUpdataThread::run()
{
    runTicks([this] { emit sigDviceUpdateAllKeyColorSendKeyboardHid(); });
}
