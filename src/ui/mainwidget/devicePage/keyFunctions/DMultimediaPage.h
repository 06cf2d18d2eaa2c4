#pragma once

#include <QWidget>

class DKeyActionChoice;

namespace Ui {
class DMultimediaPage;
}

// The key-function page "Multimedia": playback, volume, programs to open and
// screen brightness. A click on a radio button stores the action for the
// selected key at once.
class DMultimediaPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget* parent = nullptr);
    ~DMultimediaPage() override;

    void retranslate();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_playOrPause_clicked();
    void on_radioButton_videoStop_clicked();
    void on_radioButton_previous_clicked();
    void on_radioButton_next_clicked();
    void on_radioButton_volAdd_clicked();
    void on_radioButton_volLower_clicked();
    void on_radioButton_mute_clicked();
    void on_radioButton_Player_clicked();
    void on_radioButton_Calculator_clicked();
    void on_radioButton_Computer_clicked();
    void on_radioButton_Email_clicked();
    void on_radioButton_Browser_clicked();
    void on_radioButton_ScreenBrightnessAdd_clicked();
    void on_radioButton_ScreenBrightnessLess_clicked();
    void on_radioButton_wwwSearch_clicked();

private:
    void storeCheckedMultimedia();

    Ui::DMultimediaPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
};
