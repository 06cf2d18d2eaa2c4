#pragma once

#include "ui/mainwidget/devicePage/lightDeal/DLightTickerThread.h"

// The keyboard effect's beat: one frame per tick, at the effect's speed.
class updateLightMainThread : public DLightTickerThread
{
    Q_OBJECT

public:
    explicit updateLightMainThread(QObject* parent = nullptr);
    ~updateLightMainThread() override;

signals:
    void sigDviceUpdateAllKeyColor();

protected:
    void run() override;
};
