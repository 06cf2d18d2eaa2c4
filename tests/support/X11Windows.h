#pragma once

#include <QRect>
#include <QString>
#include <QVector>

typedef struct _XDisplay Display;

// The mapped top-level X11 windows of another process, found through the
// _NET_WM_PID property Qt sets. For tests and benchmarks that start the
// program as a child on an X server, with or without a window manager (one
// that reparents finds each client inside its frame).
class X11Windows
{
public:
    struct Window
    {
        unsigned long id = 0;
        QRect geometry;
        QString title;
        bool undecorated = false; // the Motif hints ask for no decorations
    };

    X11Windows();
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    QVector<Window> mappedWindowsOf(qint64 pid) const;
    // Asks each mapped window of `pid` to close, as a window manager's close
    // button does (WM_DELETE_WINDOW); the program then ends through its own
    // close path.
    void requestClose(qint64 pid) const;

private:
    // Frames nest clients this deep at most (a frame, and a frame inside it).
    static constexpr int kFrameDepth = 2;

    void collectMapped(unsigned long parentWindow, qint64 pid, int depth, QVector<Window>& found) const;

    Display* m_display = nullptr;
};
