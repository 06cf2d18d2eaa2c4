#include "ui/widgets/DPopupShape.h"

#include "platform/include/CompositingManager.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QRegion>
#include <QScopedValueRollback>
#include <QWidget>

DPopupShape::DPopupShape(QWidget* popup)
    : QObject(popup)
{
}

void DPopupShape::apply(QWidget* popup)
{
    if (compositingManagerRunning()) {
        popup->setAttribute(Qt::WA_TranslucentBackground);
        return;
    }
    popup->setAttribute(Qt::WA_TranslucentBackground, false);
    popup->installEventFilter(new DPopupShape(popup));
}

bool DPopupShape::eventFilter(QObject* watched, QEvent* event)
{
    auto* popup = static_cast<QWidget*>(watched);
    // A shadow needs what lies behind the window; on an opaque window it
    // would only draw a dark band inside the shape, so it goes before the
    // first show.
    // (Only a shadow: a fading pop-up keeps its opacity effect, which its
    // animation holds.)
    if (event->type() == QEvent::Polish && qobject_cast<QGraphicsDropShadowEffect*>(popup->graphicsEffect()))
        popup->setGraphicsEffect(nullptr);
    // Only a pop-up on show is cut: rendering a hidden one (its size is
    // still pending) sends it the pending resize again, which would come
    // back here without end. Showing it cuts it to the size it shows at.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Resize) && popup->isVisible())
        cutToShape(popup);
    return QObject::eventFilter(watched, event);
}

void DPopupShape::cutToShape(QWidget* popup)
{
    // Rendering can deliver the pop-up's own pending events: never twice at once.
    if (m_cutting || popup->size().isEmpty())
        return;
    const QScopedValueRollback<bool> cutting(m_cutting, true);
    // What the pop-up paints on a transparent ground is its shape.
    QImage drawn(popup->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    // The mask of an earlier size is ignored: it would also move the
    // drawing to its own corner.
    // An effect left on (a fade) would draw over the whole window ground.
    QGraphicsEffect* effect = popup->graphicsEffect();
    const bool effectOn = effect && effect->isEnabled();
    if (effectOn)
        effect->setEnabled(false);
    popup->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::IgnoreMask);
    if (effectOn)
        effect->setEnabled(true);
    // Row by row from the first to the last covered pixel: the outline
    // counts, so a list that leaves its ground to the window is no hole.
    QRegion shape;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        int first = -1;
        int last = -1;
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAlpha(row[x]) >= 128) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            shape += QRect(first, y, last - first + 1, 1);
    }
    popup->setMask(shape);
}
