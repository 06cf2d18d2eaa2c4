#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

class QButtonGroup;

namespace Ui {
class DResetDefaultPage;
}

// The key-function page "Default": OK gives the selected key back its own
// function by removing its entry from the profile, together with the
// profile's copy of a macro that only this key was bound to.
class DResetDefaultPage : public QWidget
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget* parent = nullptr);
    ~DResetDefaultPage() override;

    void retranslate();
    void loadCurrentKeyInfo();
    void clearCurrentKey();
    // The light/heavy press choice stays hidden: the page works on the layer
    // shown only, whatever the argument.
    void setPressModeVisible(bool visible);

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigClickedCancel();
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void showKeyLabel();

    Ui::DResetDefaultPage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    QButtonGroup* m_pressModeGroup = nullptr;
    bool m_pressModeSelectable = true;
};
