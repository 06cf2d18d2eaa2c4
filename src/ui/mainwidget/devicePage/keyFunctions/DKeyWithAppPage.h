#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QFileInfo>
#include <QString>
#include <QWidget>

namespace Ui {
class DKeyWithAppPage;
}

// The key-function page "Launch Application": the key opens a file chosen
// in a file dialog, stored at once as its absolute path. The path field
// shows the stored path and cannot be typed into.
class DKeyWithAppPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget* parent = nullptr);
    ~DKeyWithAppPage() override;

    void retranslate();
    // Shows the selected key's stored path; stores nothing.
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_pushButton_selectAppPath_clicked();

private:
    void setTexts();

    Ui::DKeyWithAppPage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    QString m_appPath;
    QFileInfo m_appFileInfo;
};
