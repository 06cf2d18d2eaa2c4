#pragma once

#include <QWidget>

// The trigger page of magnetic-switch keyboards, hosted by the device page.
// So far it offers the page protocol and the signals the device page
// listens to.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    // Leaving the page ends a calibration the user started on it.
    void exitCalibrationMode();
    // Shows the travel values the data manager holds.
    void loadSensitivityData();
    int loadCount() const { return m_loadCount; }

signals:
    void sigAllKeysCalibrationMode(int selMode);
    void sigCalibrationMode(int selMode);
    void sigKeyAntiShakeCurrentNum(int value);
    void sigKeyRateOfReturnCurrentNum(int value);
    void sigKeyCalibrationStartRuning();
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigMagnetsKeysApplyConfig(int selectMode, int strengthLeft, int strengthRight, int quickTriggerLeft,
                                   int quickTriggerRight);

private:
    int m_loadCount = 0;
};
