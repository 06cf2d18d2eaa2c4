#pragma once

#include "ui/mainwidget/devicePage/lightDeal/DLightTickerThread.h"

// The side effect's beat: one side frame per tick, at the effect's speed.
class updateLightMainThreadSide : public DLightTickerThread
{
    Q_OBJECT

public:
    explicit updateLightMainThreadSide(QObject* parent = nullptr);
    ~updateLightMainThreadSide() override;

signals:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void run() override;
};
