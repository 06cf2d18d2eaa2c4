#pragma once

#include <QWidget>

class DKeyActionChoice;

namespace Ui {
class DKeyConfigFunctionPage;
}

// The key-function page "Key Config": the key makes the keyboard lock itself
// or its Windows key, query its power, or switch its connection. A click on a
// radio button stores the function for the selected key at once. The
// connection switches and the power query exist only on keyboards that have
// them; the layer switches and the single Windows-key locks stay hidden.
class DKeyConfigFunctionPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget* parent = nullptr);
    ~DKeyConfigFunctionPage() override;

    void retranslate();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_LockKeyboard_clicked();
    void on_radioButton_SwitchLoopWin_clicked();
    void on_radioButton_LockWin_clicked();
    void on_radioButton_UnlockWin_clicked();
    void on_radioButton_DefaultLayer_clicked();
    void on_radioButton_FNLayer_clicked();
    void on_radioButton_FN1Layer_clicked();
    void on_radioButton_USB_clicked();
    void on_radioButton_24G_clicked();
    void on_radioButton_Pattern1_clicked();
    void on_radioButton_Pattern2_clicked();
    void on_radioButton_Pattern3_clicked();
    void on_radioButton_PowerQuery_clicked();

private:
    Ui::DKeyConfigFunctionPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
};
