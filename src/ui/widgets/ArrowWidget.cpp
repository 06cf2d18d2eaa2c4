#include "ui/widgets/ArrowWidget.h"

#include "app/DDataManager.h"
#include "ui/widgets/DPopupShape.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>

namespace {
constexpr int kShadowBand = 15;
constexpr int kTopArrowHeight = 10;
constexpr int kArrowWidth = 15;
constexpr int kCornerRadius = 5;
} // namespace

ArrowWidget::ArrowWidget(int arrowSide, QWidget* parent)
    : QDialog(parent)
    , m_arrowSide(arrowSide)
{
    DPopupShape::apply(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip);
    setWindowOpacity(0.9);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::gray);
    shadow->setBlurRadius(15);
    setGraphicsEffect(shadow);

    installEventFilter(this);
}

QColor ArrowWidget::backgroundColor() const
{
    // Read when painted, so an open bubble follows a change of theme.
    return m_backgroundColor.isValid() ? m_backgroundColor
                                       : DDataManager::getInstance()->themeRoles().color(DThemeRoles::Bubble);
}

int ArrowWidget::heightFor(int arrowSide, int contentHeight)
{
    return contentHeight + 2 * kShadowBand + (arrowSide == ArrowTop ? kTopArrowHeight : 0);
}

void ArrowWidget::setPopupSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::widenForContent(int minimumWidth)
{
    QLayout* box = layout();
    QWidget* content = box && box->count() ? box->itemAt(0)->widget() : nullptr;
    if (!content)
        return;
    // Style-sheet fonts are applied on polishing; the size must use them.
    // The layout's own hint may still be the previous text's.
    ensurePolished();
    const QMargins margins = box->contentsMargins();
    setFixedSize(qMax(minimumWidth, content->sizeHint().width() + margins.left() + margins.right()), height());
}

void ArrowWidget::setArrowX(int x)
{
    m_arrowX = x;
}

void ArrowWidget::setContentWidget(QWidget* content)
{
    auto* box = new QHBoxLayout(this);
    box->setSpacing(0);
    box->setContentsMargins(kShadowBand, m_arrowSide == ArrowTop ? kShadowBand + kTopArrowHeight : kShadowBand,
                            kShadowBand, kShadowBand);
    box->addWidget(content);
}

void ArrowWidget::setBackgroundColor(int r, int g, int b)
{
    m_backgroundColor = QColor(r, g, b, 255);
    update();
}

QPainterPath ArrowWidget::bubblePath(int arrowSide, int width, int height, int arrowX)
{
    const int bodyTop = arrowSide == ArrowTop ? kShadowBand + kTopArrowHeight : kShadowBand;
    const int bodyBottom = height - kShadowBand;
    QPainterPath path;
    path.addRoundedRect(QRectF(kShadowBand, bodyTop, width - 2 * kShadowBand, bodyBottom - bodyTop), kCornerRadius,
                        kCornerRadius);

    // The arrow stands on the body's edge with its tip 7 pixels in from its left end.
    int base, tip;
    if (arrowSide == ArrowTop) {
        base = bodyTop;
        tip = kShadowBand;
    } else if (arrowSide == ArrowBottom) {
        base = bodyBottom;
        tip = height;
    } else {
        return path;
    }
    QPolygonF arrow;
    arrow << QPointF(arrowX, base) << QPointF(arrowX + 7, tip) << QPointF(arrowX + kArrowWidth, base);
    QPainterPath triangle;
    triangle.addPolygon(arrow);
    triangle.closeSubpath();
    return path.united(triangle);
}

void ArrowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The outline sets the bubble off a page of nearly its own colour.
    const QColor outline = DDataManager::getInstance()->themeRoles().color(DThemeRoles::BubbleBorder);
    painter.setPen(m_backgroundColor.isValid() ? QPen(Qt::NoPen) : QPen(outline, 1));
    painter.setBrush(backgroundColor());
    painter.drawPath(bubblePath(m_arrowSide, width(), height(), m_arrowX));
}

void ArrowWidget::dismiss()
{
    // Hiding can take the activation away at once, which dismisses again.
    if (m_dismissing || !isVisible())
        return;
    m_dismissing = true;
    hide();
    m_dismissing = false;
    emit sigArrowWidgetHide();
}

bool ArrowWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate && m_closesOnDeactivation)
        dismiss();
    // Each click reaches the window first and then the widget under it; the
    // widget tells where it went.
    if (m_watchingClicks
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::NonClientAreaMouseButtonPress)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() != this && widget != m_companion)
            dismiss();
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::showEvent(QShowEvent* event)
{
    if (m_closesOnClickOutside && !m_watchingClicks) {
        qApp->installEventFilter(this);
        m_watchingClicks = true;
    }
    QDialog::showEvent(event);
}

void ArrowWidget::hideEvent(QHideEvent* event)
{
    if (m_watchingClicks) {
        qApp->removeEventFilter(this);
        m_watchingClicks = false;
    }
    QDialog::hideEvent(event);
}

void ArrowWidget::enterEvent(QEvent* event)
{
    emit sigArrowWidgetMouseEnter();
    QDialog::enterEvent(event);
}

void ArrowWidget::leaveEvent(QEvent* event)
{
    emit sigArrowWidgetMouseLeave();
    QDialog::leaveEvent(event);
}
