#include "ui/widgets/MySlider.h"

#include "app/logCategories.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QWheelEvent>

static_assert(MySlider::kPressAcceptedEvent == QEvent::User + 1, "the pages listen for QEvent::User + 1");

MySlider::MySlider(QWidget* parent)
    : QSlider(parent)
{
}

void MySlider::setPressTolerance(int left, int right)
{
    m_pressToleranceLeft = left;
    m_pressToleranceRight = right;
}

void MySlider::mousePressEvent(QMouseEvent* event)
{
    // A range of 0 has nowhere to put a handle but the start; don't divide by it.
    const int handle = maximum() > 0 ? (width() / maximum()) * value() : 0;
    const int x = event->pos().x();
    qCDebug(lcUi) << "--------------- currentPosX:" << handle << " currentX:" << x << " width():" << width()
                  << " maximum():" << maximum();
    if (x < handle - m_pressToleranceLeft || x > handle + m_pressToleranceRight) {
        qCDebug(lcUi) << "--------------- return ---------------";
        return;
    }
    qCDebug(lcUi) << "--------------- goon ---------------";
    const int before = value();
    QSlider::mousePressEvent(event);
    setValue(before);
    if (QWidget* owner = parentWidget()) {
        QEvent accepted(static_cast<QEvent::Type>(kPressAcceptedEvent));
        QCoreApplication::sendEvent(owner, &accepted);
    }
}

void MySlider::wheelEvent(QWheelEvent* event)
{
    event->accept();
}
