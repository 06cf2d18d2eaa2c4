#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

// The key-function page that binds an advanced key to the key. So far it takes the
// selected key and profile when shown and offers the page protocol and
// signals; its controls are still to come.
class DSeniorKeysBindingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget* parent = nullptr);

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
