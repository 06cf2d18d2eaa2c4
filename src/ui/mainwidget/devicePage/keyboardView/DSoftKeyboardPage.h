#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard: the user clicks a key to name it (a remap target,
// a key of a combination) without pressing it. In mark mode 1 clicked keys
// are marked, with at most two modifiers among them. Loading it also gives
// the data manager the tables from virtual-key code to usage and from usage
// to label that key capture and the key-function pages translate with.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSoftKeyboardPage(QWidget* parent = nullptr);
    ~DSoftKeyboardPage() override;

    void loadKeyboardInfo(const QString& layoutName);
    void setMarkMode(int markMode);
    void setMarkEnabled(bool enabled);
    void clearMarkedKeys();
    void markKey(int keyDec);
    void setTheme();

    // The description a layout code names.
    static QString descriptionFileName(int layoutCode);
    // A key's label after the page's own fix-ups for that layout code.
    static QString fixedUpLabel(int layoutCode, int keyDec, const QString& label);

signals:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();

private:
    void parseKeyboardInfo(const QByteArray& text);

    Ui::DSoftKeyboardPage* m_ui = nullptr;
    int m_markMode = -1;
    bool m_markEnabled = false;
    QMap<int, QString> m_keyNames;
    QMap<int, int> m_virtualKeyToHid;
    QList<SoftKeyboardButCustom*> m_markedKeys;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom*> m_keyButtons;
    int m_layoutCode = 31;
};
