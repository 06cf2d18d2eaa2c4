#pragma once

#include <QWidget>

namespace Ui {
class DKeyCalibrationExplainDia;
}

// The content of the explanation bubbles over the trigger page's small
// question-mark buttons: the steps of single-key calibration, what quick
// trigger does on release, the press duration, or all-keys calibration.
// Built anew for every hover, so it always speaks the current language.
class DKeyCalibrationExplainDia : public QWidget
{
    Q_OBJECT

public:
    enum Type {
        KeyCalibration = 0,
        QuickTrigger = 1,
        PressDuration = 2,
        AllKeysCalibration = 3,
    };

    DKeyCalibrationExplainDia(int type, QWidget* parent = nullptr);
    ~DKeyCalibrationExplainDia() override;

private:
    Ui::DKeyCalibrationExplainDia* m_ui = nullptr;
};
