#pragma once

#include <QWidget>

class DKeyActionChoice;
class GridColumnFit;

namespace Ui {
class DKeyboardLightCustomEventPage;
}

// The key-function page "Keyboard Light": the key makes the keyboard change
// its key lighting (light list, brightness, speed, direction, colour, custom
// scheme, off, recording). A click on a radio button stores the action for
// the selected key at once.
class DKeyboardLightCustomEventPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget* parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void retranslate();
    void setTheme();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_OverallLightList_clicked();
    void on_radioButton_InteractionLightList_clicked();
    void on_radioButton_AllLightList_clicked();
    void on_radioButton_StaticMode_clicked();
    void on_radioButton_BrightnessUp_clicked();
    void on_radioButton_BrightnessDown_clicked();
    void on_radioButton_SpeedAdd_clicked();
    void on_radioButton_SpeedLessen_clicked();
    void on_radioButton_DirectionAddOne_clicked();
    void on_radioButton_DirectionLessenOne_clicked();
    void on_radioButton_DirectionLoop_clicked();
    void on_radioButton_FullColor_clicked();
    void on_radioButton_TopColor_clicked();
    void on_radioButton_BottomColor_clicked();
    void on_radioButton_CloseAll_clicked();
    void on_radioButton_CloseBackLight_clicked();
    void on_radioButton_StopBackLight_clicked();
    void on_radioButton_LightRecording_clicked();
    void on_radioButton_IntoCustomLight01_clicked();
    void on_radioButton_IntoCustomLight02_clicked();

private:
    Ui::DKeyboardLightCustomEventPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
    GridColumnFit* m_columnFit = nullptr;
};
