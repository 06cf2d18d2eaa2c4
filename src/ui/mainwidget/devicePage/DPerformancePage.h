#pragma once

#include "profiles/DProfileSelection.h"

#include <QString>
#include <QWidget>

namespace Ui {
class DPerformancePage;
}

// The performance page of the device page: which keys the keyboard's Win
// Lock disables, the light and keyboard sleep times, and the desktop's
// keyboard settings. Lock options are stored here in the current profile;
// sleep times only go to the device page, which sends and stores them once
// the keyboard took them.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kProfilePathSize = DProfileSelection::kPathSize;

    explicit DPerformancePage(QWidget* parent = nullptr);
    ~DPerformancePage() override;

    void retranslate();
    void setTheme();
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    // A path that does not fit leaves the page without a file, so the next
    // click cannot store into the previous keyboard's profile.
    bool setProfilePath(const char* path) { return m_profile.setPath(path); }
    int profileIndex() const { return m_profile.index(); }
    const char* profilePath() const { return m_profile.path(); }

    // Fills the page from the current profile and the keyboard's state.
    void loadPerformanceSettings();

    // Whether the model (its catalogue code) offers the prohibit-sleep option.
    static bool offersProhibitSleep(const QString& modelCode);

signals:
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void sigResetoreCurrentProfile();

private slots:
    void on_checkBox_disableWindowsKey_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_ProhibitSleep_clicked();
    void on_pushButton_SubmitSleepTime_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_pushButton_Restore_clicked();

private:
    void saveWinLockOptions();
    QByteArray profileIndexText() const;

    Ui::DPerformancePage* m_ui = nullptr;
    DProfileSelection m_profile;
};
