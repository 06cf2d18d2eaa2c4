#pragma once

#include <QWidget>

class DKeyActionChoice;

namespace Ui {
class DMouseKeyPage;
}

// The key-function page "Mouse Key": the key acts as a mouse button or the
// wheel. A click on a radio button stores the action for the selected key at
// once. The sniper action stays hidden: a key holding it shows no check.
class DMouseKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget* parent = nullptr);
    ~DMouseKeyPage() override;

    void retranslate();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_mouseLeft_clicked();
    void on_radioButton_mouseCenter_clicked();
    void on_radioButton_mouseRight_clicked();
    void on_radioButton_mouseScrollDown_clicked();
    void on_radioButton_mouseScrollUp_clicked();
    void on_radioButton_Backward_clicked();
    void on_radioButton_Forward_clicked();

private:
    void storeCheckedMouseAction();

    Ui::DMouseKeyPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
};
