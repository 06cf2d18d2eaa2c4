#include "DMainWidget.h"

#include "DWindowEdge.h"

DMainWidget::DMainWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    setMouseTracking(true);
    resize(1280, 715);
}

DMainWidget::~DMainWidget() = default;

void DMainWidget::updateEdgeCursor(int x, int y)
{
    if (m_leftPressed)
        return;
    const QRect global(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
    setCursor(DWindowEdge::cursorFor(DWindowEdge::hitTest(global, QPoint(x, y))));
}
