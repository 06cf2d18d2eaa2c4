#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QWidget>

namespace Ui {
class DKeyDisablePage;
}

// The key-function page "Disable": shows the selected key; OK switches the
// key off by storing the disable entry, Cancel leaves the choice to the
// host, which goes back to the Default page.
class DKeyDisablePage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget* parent = nullptr);
    ~DKeyDisablePage() override;

    void retranslate();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigClickedCancel();
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    Ui::DKeyDisablePage* m_ui = nullptr;
    DKeyFunctionStore m_store;
};
