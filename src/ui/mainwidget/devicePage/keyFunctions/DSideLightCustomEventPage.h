#pragma once

#include <QWidget>

class DKeyActionChoice;
class GridColumnFit;

namespace Ui {
class DSideLightCustomEventPage;
}

// The key-function page "Atmosphere Light": the key makes the keyboard change
// its side light (light list, brightness, speed, colour, off). A click on a
// radio button stores the action for the selected key at once. Only "All
// light" of the light lists is offered; a key holding another shows no check.
class DSideLightCustomEventPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget* parent = nullptr);
    ~DSideLightCustomEventPage() override;

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
    void on_radioButton_BrightnessUp_clicked();
    void on_radioButton_BrightnessDown_clicked();
    void on_radioButton_SpeedAdd_clicked();
    void on_radioButton_SpeedLessen_clicked();
    void on_radioButton_FullColor_clicked();
    void on_radioButton_TopColor_clicked();
    void on_radioButton_BottomColor_clicked();
    void on_radioButton_CloseSideLight_clicked();
    void on_radioButton_StopSideLight_clicked();

private:
    Ui::DSideLightCustomEventPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
    GridColumnFit* m_columnFit = nullptr;
};
