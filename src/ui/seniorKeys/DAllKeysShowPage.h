#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class FlowLayout;

namespace Ui {
class DAllKeysShowPage;
}

// Every key an advanced key can bind, as buttons in three groups read once
// from the built-in all-keys list. A click reports the key; the picker keeps
// no selection. Its usage-to-caption map is what the editor names keys by.
class DAllKeysShowPage : public QWidget
{
    Q_OBJECT

public:
    explicit DAllKeysShowPage(QWidget* parent = nullptr);
    ~DAllKeysShowPage() override;

    QMap<int, QString> allKeysMap() const { return m_allKeysMap; }

signals:
    void sigKeyListClicked(int keyDec, QString keyCharacter);
    void sigAllKeysInfoAlreadyLoadedA();

private slots:
    void onKeyButtonClicked();

private:
    void loadKeyboardInfo();
    void parseKeyboardInfo(const QByteArray& text);

    Ui::DAllKeysShowPage* m_ui;
    FlowLayout* m_keyCombinationLayout;
    FlowLayout* m_normalKeysLayout;
    FlowLayout* m_specialKeysLayout;
    QMap<int, QString> m_allKeysMap;
};
