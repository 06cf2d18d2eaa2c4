#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DTriggerSettingPage;
}

class ArrowWidget;
class DSensitivityShowWidget;
class QToolButton;
class sliderCustomWidget;

// The trigger page of magnetic-switch keyboards: trigger travel of the keys
// selected on the picture, separate press and release travel, quick trigger
// with its own travel, rate of return, and the calibration controls. It holds
// no device logic: every request leaves as a signal for the device page, and
// the keyboard's answers come in through the data manager.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    // Selection modes of the apply request, also the type of a key's answer.
    enum SelectionMode {
        OneTravel = 0,
        SeparateTravel = 1,
        QuickTriggerOneTravel = 12,
        QuickTriggerSeparateTravel = 13,
    };

    explicit DTriggerSettingPage(QWidget* parent = nullptr);
    ~DTriggerSettingPage() override;

    void retranslate();
    void setTheme();
    // Every entry to the page starts from the keyboard's level count with
    // quick trigger and separate travel off.
    void loadSensitivityData();
    // Leaving the page ends a calibration the user started on it.
    void exitCalibrationMode();
    void clearLiveTravel();
    void clearAllKeysCalibrationFlag();
    int loadCount() const { return m_loadCount; }

signals:
    void sigAllKeysCalibrationMode(int selMode);
    void sigCalibrationMode(int selMode);
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigKeyCalibrationStartRuning();
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                                      int QuickTriggerReleaseNum);
    void onCurrentStrengthNumBack(int whereData, int StrengthNum);
    void onBackCurrentPositionNum_Speed(int KeyAntiShakeNum);
    void onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum);
    void onSliderPressReleaseJourneyValue(int Value);
    void onSliderPressJourneyValue(int Value);
    void onSliderReleaseJourneyValue(int Value);
    void onSliderPressReleaseJourneyReleased();
    void onSliderPressJourneyReleased();
    void onSliderReleaseJourneyReleased();
    void on_checkBox_QuickTrigger_clicked();
    void on_checkBox_SecondarySensitivity_clicked();
    void on_checkBox_IntensityTracking_clicked();
    void on_pushButton_TriggerApply_clicked();
    void on_pushButton_ResetSensitivity_clicked();
    void on_checkBox_CalibrationMode_clicked();
    void on_pushButton_KeyCalibration_clicked();
    void on_pushButton_KeyCalibration_AllKeys_clicked();
    void onExplainShow();
    void theExplainQuickTriggerShow();
    void theExplainMagneticKeyShow();
    void onExplainShow_2();

private:
    void showAllKeysCalibrationState();
    void setTexts();
    void applyIndicatorAndStepperColors();
    // The indicator's levels (common, press, release), kept where a handle
    // can stand, and the page's copies of them.
    void setLevels(int common, int press, int release);
    void setQuickTriggerAreaVisible(bool visible);
    void resetQuickTriggerTravel();
    void showExplainBubble(int type, QToolButton* button);
    void hideExplainBubble();
    int clampedLevel(int level) const;

    Ui::DTriggerSettingPage* m_ui = nullptr;
    DSensitivityShowWidget* m_sensitivityShow = nullptr;
    int m_StrengthNum_C = 0;
    int m_StrengthNum_L = 0;
    int m_StrengthNum_R = 0;
    int m_QuickTrigger_StrengthNum_C = 0;
    int m_QuickTrigger_StrengthNum_L = 0;
    int m_QuickTrigger_StrengthNum_R = 0;
    sliderCustomWidget* m_antiShakeSlider = nullptr;
    sliderCustomWidget* m_rateOfReturnSlider = nullptr;
    ArrowWidget* m_explainBubble = nullptr;
    bool m_allKeysCalibrationOn = false;
    // The level count the indicator was last given.
    int m_levels = 0;
    int m_loadCount = 0;
};
