#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

// The key-function page that makes the key type a text. So far it takes the
// selected key and profile when shown and offers the page protocol and
// signals; its controls are still to come.
class DKeyWithTextPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigClickedCancel();
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private:
    DKeyFunctionStore m_store;
};
