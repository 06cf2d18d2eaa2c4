#pragma once

#include <QByteArray>
#include <QList>

typedef struct _XDisplay Display;

// A second X client: a focused window that records the key and button
// events it is given, and that tries grabs of its own.
class OtherClient
{
public:
    struct Event
    {
        int type;
        int detail;
    };

    OtherClient();
    ~OtherClient();
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    QList<Event> take();
    // Waits until the window got a key event for the keycode; the server
    // delivers in order, so everything sent before it has been handled.
    bool waitForKey(int type, int keycode, QList<Event>* seen = nullptr);
    // Whether this client may passively grab the key on the root window,
    // where our capture grabs it; a held grab of ours refuses it.
    bool canGrabKey(int keycode);
    // Holds a grab like a desktop shortcut does, until the client goes.
    void grabShortcut(int keycode, unsigned modifiers);
    bool canGrabKeyboard();
    void refocus();

private:
    Display* m_display = nullptr;
    unsigned long m_window = 0;
};

// Physical input, as XTest makes it.
class Injector
{
public:
    Injector();
    ~Injector();
    Injector(const Injector&) = delete;
    Injector& operator=(const Injector&) = delete;

    void key(int keycode, bool press);
    void tap(int keycode);
    void button(int button, bool press);
    void moveTo(int x, int y);
    void setFastRepeat();
    unsigned lockedModifiers();
    QByteArray keyName(int keycode);
    Display* display() const { return m_display; }

private:
    Display* m_display;
};

// How many of the events are of that type and detail (keycode or button).
int countOf(const QList<OtherClient::Event>& events, int type, int detail);
