#pragma once

#include "ui/mainwidget/devicePage/lightDeal/DLightTickerThread.h"

// The preview's beat: the key caps and side segments take the computed colours.
class updateLightMainThreadUI : public DLightTickerThread
{
    Q_OBJECT

public:
    explicit updateLightMainThreadUI(QObject* parent = nullptr);
    ~updateLightMainThreadUI() override;

signals:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void run() override;
};
