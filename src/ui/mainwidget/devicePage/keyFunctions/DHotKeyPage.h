#pragma once

#include <QWidget>

class DKeyActionChoice;

namespace Ui {
class DHotKeyPage;
}

// The key-function page "Shortcuts": eleven system shortcuts, one radio
// button each; a click stores the shortcut for the selected key at once.
// Alt+Tab (value 1) has no button, so a key holding it shows none checked.
class DHotKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget* parent = nullptr);
    ~DHotKeyPage() override;

    void retranslate();
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_CloseWindow_clicked();
    void on_radioButton_ShowDesktop_clicked();
    void on_radioButton_OpenMyComputer_clicked();
    void on_radioButton_LockingComputer_clicked();
    void on_radioButton_Copy_clicked();
    void on_radioButton_Cut_clicked();
    void on_radioButton_Paste_clicked();
    void on_radioButton_Find_clicked();
    void on_radioButton_CreateNew_clicked();
    void on_radioButton_Print_clicked();
    void on_radioButton_Save_clicked();

private:
    void storeCheckedShortcut();

    Ui::DHotKeyPage* m_ui = nullptr;
    DKeyActionChoice* m_choice = nullptr;
};
