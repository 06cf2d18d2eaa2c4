#pragma once

#include <QObject>

class ArrowWidget;
class DVirtualKeyboardTool;
class QEvent;
class QLineEdit;
class QWidget;

// The virtual-keyboard bubble of the remap and key-combination pages, which
// listens for a key while it is open. It opens only when the user asks for
// it on the page on show: a click into the key field, Tab onto it, or Enter
// or Space on it; never because the focus fell onto the field when another
// page went away. It closes, storing nothing, on its close control, on a
// click anywhere else in the program and when its page leaves the screen.
// Escape is a key like any other here: it does not close the bubble.
class DKeyCapturePopUp : public QObject
{
    Q_OBJECT

public:
    // The bubble is a child of the page; hidden until asked for.
    DKeyCapturePopUp(QWidget* page, QLineEdit* field, DVirtualKeyboardTool* keyboard);

    ArrowWidget* popup() const { return m_popup; }
    bool isOpen() const;
    // Ends the listening: the bubble hides and says so with its hide signal.
    void close();

signals:
    // The bubble is on show and listens; the page starts the capture.
    void sigCaptureAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool userAsksOnField(QEvent* event) const;
    void open();

    QWidget* m_page;
    QLineEdit* m_field;
    ArrowWidget* m_popup;
};
