#pragma once

#include "ui/mainwidget/devicePage/lightDeal/DLightTickerThread.h"

// The light stream's beat: the computed colours go to the keyboard.
class sendLightUpdataThread : public DLightTickerThread
{
    Q_OBJECT

public:
    explicit sendLightUpdataThread(QObject* parent = nullptr);
    ~sendLightUpdataThread() override;

signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void run() override;
};
