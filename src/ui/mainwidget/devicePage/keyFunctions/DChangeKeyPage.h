#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

// The key-function page that remaps the key to another key, picked on the on-screen keyboard or pressed. So far it takes the
// selected key and profile when shown and offers the page protocol and
// signals; its controls are still to come.
class DChangeKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void loadCurrentKeyInfo();
    void setPressModeVisible(bool visible);
    void setCapturedKey(int keyDec);

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigMesgStartOrStopHook(bool isStartHook);

private:
    DKeyFunctionStore m_store;
};
