#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class DChangProfilePage;
}

// The key-function page "Switch Profile": the profiles of the active file;
// a pick stores a switch to that profile's index for the selected key. Its
// colours are fixed; it takes no part in theming.
class DChangProfilePage : public QWidget
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget* parent = nullptr);
    ~DChangProfilePage() override;

    void retranslate();
    // Shows the selected key's target profile; stores nothing.
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_comboBox_Profile_currentIndexChanged(const QString& text);
    void onComboxActivated(int index);

private:
    void saveProfileSwitch();

    Ui::DChangProfilePage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    QMap<int, QString> m_profileNames;
};
