#include "ui/widgets/DShownTimer.h"

#include <QEvent>
#include <QWidget>

DShownTimer::DShownTimer(QWidget* animated, int intervalMs)
    : QTimer(animated)
    // A minimized window's widgets still count as visible; the hide event
    // they got on minimizing is what says they cannot be seen.
    , m_shown(animated->isVisible() && !animated->window()->isMinimized())
{
    setInterval(intervalMs);
    animated->installEventFilter(this);
}

void DShownTimer::setWanted(bool wanted)
{
    m_wanted = wanted;
    follow();
}

bool DShownTimer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        m_shown = event->type() == QEvent::Show;
        follow();
    }
    return QTimer::eventFilter(watched, event);
}

void DShownTimer::follow()
{
    if (!m_wanted || !m_shown)
        stop();
    else if (!isActive())
        start();
}
