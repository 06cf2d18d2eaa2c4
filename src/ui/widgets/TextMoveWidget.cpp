#include "ui/widgets/TextMoveWidget.h"

#include "app/DDataManager.h"
#include "ui/widgets/DShownTimer.h"

#include <QEvent>
#include <QLabel>

namespace {
// How far a text wider than the widget swings past either edge.
constexpr int kOverhang = 10;
} // namespace

TextMoveWidget::TextMoveWidget(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);

    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    setForeground(roles.color(DThemeRoles::AccentText));
    setBackground(roles.color(DThemeRoles::Transparent));

    // A hidden marquee would wake the program fifty times a second for
    // nothing: its timer runs only while it can be seen.
    m_timer = new DShownTimer(this, m_interval);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    m_timer->setWanted(true);
    measureText();
}

void TextMoveWidget::measureText()
{
    m_textWidth = fontMetrics().horizontalAdvance(m_text);
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovering)
        return;

    const int w = width();
    const int t = m_textWidth;
    switch (m_moveStyle) {
    case MoveStyle_Bounce:
        // Turning on reaching a bound rather than on hitting it exactly keeps
        // a step that does not divide the way evenly from running off.
        if (t > w) {
            if (m_textX >= kOverhang)
                m_movingRight = false;
            else if (m_textX <= w - t - kOverhang)
                m_movingRight = true;
        } else {
            if (m_textX + t > w)
                m_movingRight = false;
            else if (m_textX <= 0)
                m_movingRight = true;
        }
        m_textX += m_movingRight ? m_step : -m_step;
        break;
    case MoveStyle_Right:
        if (m_textX > w)
            m_textX = -t;
        m_textX += m_step;
        break;
    case MoveStyle_Left:
        if (m_textX < -t)
            m_textX = w;
        m_textX -= m_step;
        break;
    default:
        return;
    }
    m_label->move(m_textX, m_textY);
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    measureText();
    m_label->setText(text);
    // Without a layout the label keeps its first size; fit it to the text
    // so a long name is not cut off while it moves.
    m_label->adjustSize();
    switch (m_moveStyle) {
    case MoveStyle_Bounce:
        m_textX = 0;
        break;
    case MoveStyle_Right:
        m_textX = -m_label->width();
        break;
    case MoveStyle_Left:
        m_textX = width();
        break;
    }
    m_label->move(m_textX, m_textY);
}

void TextMoveWidget::setTextFont(QString textFont, int textFontSize)
{
    QFont f(textFont);
    f.setPointSize(textFontSize);
    setFont(f);
    measureText();
    m_label->setFont(f);
    m_label->adjustSize();
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(QColor foreground)
{
    m_foreground = foreground;
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(pal);
}

void TextMoveWidget::setBackground(QColor background)
{
    m_background = background;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void TextMoveWidget::setMoveStyle(MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

void TextMoveWidget::resizeEvent(QResizeEvent* event)
{
    m_textY = (height() - fontMetrics().height()) / 2;
    QWidget::resizeEvent(event);
}

void TextMoveWidget::setHoverLook(bool hovering)
{
    QFont f = m_label->font();
    f.setUnderline(hovering);
    m_label->setFont(f);
    setCursor(hovering ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TextMoveWidget::enterEvent(QEvent* event)
{
    m_hovering = true;
    if (m_mouseHoverStop)
        setHoverLook(true);
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent* event)
{
    m_hovering = false;
    if (m_mouseHoverStop)
        setHoverLook(false);
    QWidget::leaveEvent(event);
}

void TextMoveWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        measureText();
    QWidget::changeEvent(event);
}
