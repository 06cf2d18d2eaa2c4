#pragma once

#include <QTimer>

class QWidget;

// The timer of an animation: it runs while the animation is wanted and the
// widget it animates can be seen, so nothing wakes the program for a picture
// nobody sees (a hidden page, a hidden or minimized window). It is a child of
// that widget.
class DShownTimer : public QTimer
{
    Q_OBJECT

public:
    DShownTimer(QWidget* animated, int intervalMs);

    // Whether the animation should run; it does once the widget is shown.
    void setWanted(bool wanted);
    bool isWanted() const { return m_wanted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    bool m_wanted = false;
    bool m_shown = false;
};
