#pragma once

#include <QWidget>

class DSoftKeyboardPage;
class QLabel;
class QToolButton;

namespace Ui {
class DVirtualKeyboardTool;
}

// The titled panel "Virtual Keyboard" around one on-screen keyboard, the
// content of the remap and key-combination pages' pop-ups. It passes a
// click on as the key's usage alone. Keys pressed on the keyboard while it
// is open are caught by the key page's hook; its title row says that it
// listens and holds the control that stops the listening.
class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT

public:
    // markMode 1 marks clicked keys once marking is enabled; 0 only reports.
    explicit DVirtualKeyboardTool(int markMode, QWidget* parent = nullptr);
    ~DVirtualKeyboardTool() override;

    void retranslate();
    void setTheme();
    void setMarkEnabled(bool enabled);
    void markKey(int keyDec);
    void clearMarkedKeys();

signals:
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);
    void sigStopListeningClicked();

public slots:
    void onSoftKeyboardClicked(int keyDec, const QString& keyCharacter);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Where keys pressed on the keyboard can only be caught inside the
    // program's windows, the title row says so.
    void showCaptureScope();

    Ui::DVirtualKeyboardTool* m_ui = nullptr;
    DSoftKeyboardPage* m_softKeyboard = nullptr;
    QLabel* m_captureScope = nullptr;
    QLabel* m_listening = nullptr;
    QToolButton* m_stopListening = nullptr;
};
