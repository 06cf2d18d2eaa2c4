#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class DMacroCmdPage;
}

// The key-function page "Macro": binds a macro of the macro file to the
// selected key with one of four play modes and, for one of them, a repeat
// count. Every mode click, count change and macro choice stores at once;
// the profile keeps its own copy of each macro its keys play.
class DMacroCmdPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget* parent = nullptr);
    ~DMacroCmdPage() override;

    void retranslate();
    // Shows the selected key's binding; stores nothing.
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString& text);
    void on_comboBox_Macro_currentIndexChanged(const QString& text);
    void onComboxActivated(int index);

private:
    void applyPlayMode();
    void saveMacroBinding(int count, int mode, int macroIndex);

    Ui::DMacroCmdPage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    QByteArray m_macroFilePath;
    // 0 until the key's binding or the user names one: the list's macro is
    // bound then.
    int m_macroIndex = 0;
    int m_playCount = 1;
    int m_playMode = 1;
    QMap<int, QString> m_macroNames;
};
