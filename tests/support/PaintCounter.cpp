#include "support/PaintCounter.h"

#include <QEvent>

PaintCounter::PaintCounter(QObject* watched)
{
    if (watched)
        watched->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}
