#pragma once

#include "profiles/DKeyFunctionStore.h"

#include <QByteArray>
#include <QWidget>

namespace Ui {
class DSeniorKeysBindingPage;
}

// The key-function page that binds one of the user's advanced keys (DKS,
// mod-tap, toggle) to the selected key. The list holds the advanced keys
// in index order; a pick stores at once, also of the entry shown.
class DSeniorKeysBindingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget* parent = nullptr);
    ~DSeniorKeysBindingPage() override;

    void retranslate();
    // Reads the advanced keys again and shows the one bound to the selected
    // key; stores nothing.
    void loadCurrentKeyInfo();

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_comboBox_SeniorKeys_currentIndexChanged(const QString& text);
    void onComboxActivated(int index);

private:
    Ui::DSeniorKeysBindingPage* m_ui = nullptr;
    DKeyFunctionStore m_store;
    int m_selectedSeniorKeyIndex = 0;
};
