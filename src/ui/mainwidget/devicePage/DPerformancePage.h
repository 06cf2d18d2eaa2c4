#pragma once

#include "DProfileSelection.h"

#include <QWidget>

// The performance page (sleep times, Windows-key lock) hosted by the device
// page. So far it offers the page protocol and the signals the device page
// listens to.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    void setProfilePath(const char* path) { m_profile.setPath(path); }

    int profileIndex() const { return m_profile.index(); }
    const char* profilePath() const { return m_profile.path(); }

signals:
    void sigResetoreCurrentProfile();
    void sigLightAndKeyboardSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep);
    void sigLockWinKeyAbout(int winKey, int shiftTab, int altTab, int altF4);

private:
    DProfileSelection m_profile;
};
