#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QString>
#include <QWidget>

namespace Ui {
class DKeyWithTextPage;
}

// The key-function page "Text": a plain-text editor whose text the key
// types. OK stores it for the selected key; Cancel stores nothing. The
// editor takes in only what the key's record can keep whole.
class DKeyWithTextPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget* parent = nullptr);
    ~DKeyWithTextPage() override;

    void retranslate();
    // Shows the selected key's stored text and gives the editor the focus;
    // stores nothing.
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigClickedCancel();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setTexts();

    Ui::DKeyWithTextPage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    QString m_text;
    bool m_loading = false;
};
