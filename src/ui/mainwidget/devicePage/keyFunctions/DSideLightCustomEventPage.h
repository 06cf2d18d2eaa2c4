#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

// The key-function page that gives the key a side-lighting action. So far it takes the
// selected key and profile when shown and offers the page protocol and
// signals; its controls are still to come.
class DSideLightCustomEventPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private:
    DKeyFunctionStore m_store;
};
