#pragma once

#include "ui/mainwidget/devicePage/triggerSetting/magneticTipInfo.h"

#include <QWidget>

namespace Ui {
class DMagneticCustomEventTipView;
}

// A tip with a key's name above its light-press and heavy-press functions,
// each as a title and a detail line.
class DMagneticCustomEventTipView : public QWidget
{
    Q_OBJECT

public:
    // Details wider than this are cut with an ellipsis, so a long macro or
    // text never widens the tip.
    static constexpr int kDetailWidth = 350;

    explicit DMagneticCustomEventTipView(QWidget* parent = nullptr);
    ~DMagneticCustomEventTipView() override;

    void setTipInfo(magneticTipInfo info, bool hideLightPress, bool hideHeavyPress);

private:
    Ui::DMagneticCustomEventTipView* m_ui = nullptr;
};
