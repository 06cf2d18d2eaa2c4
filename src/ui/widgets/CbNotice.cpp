#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"

#include "app/DDataManager.h"
#include "app/themeColorData.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

CbNotice::CbNotice(QWidget* parent)
    : QWidget(parent)
{
    initNotice();
}

CbNotice::~CbNotice()
{
    // Stop first so a running animation never writes into a dead effect.
    m_animation->stop();
    delete m_animation;
    setGraphicsEffect(nullptr);
}

void CbNotice::initNotice()
{
    if (QWidget* owner = parentWidget()) {
        // The toast lives in its parent's coordinates, so the anchor is the
        // centre of the parent's own width, not of its position on screen.
        m_anchor = QPoint(owner->width() / 2, owner->height() * 2 / 3);
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect desktop = screen ? screen->virtualGeometry() : QRect();
        const QSize screenSize = screen ? screen->size() : QSize();
        m_anchor = desktop.topLeft() + QPoint(screenSize.width() / 2, screenSize.height() * 2 / 3);
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        DPopupShape::apply(this);
    }

    QFont noticeFont;
    noticeFont.setFamily(QStringLiteral("Microsoft YaHei"));
    setFont(noticeFont);
    setFontPixelSize(20);

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(m_opacityEffect);
    m_opacityEffect->setOpacity(1.0);

    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);

    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);
    hide();
}

void CbNotice::setBackgroundColor(QColor color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(QColor color)
{
    m_textColor = color;
    update();
}

void CbNotice::setNoticeFont(QFont font)
{
    setFont(font);
}

void CbNotice::setFontPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
    update();
}

void CbNotice::showNotice()
{
    hide();
    placeAndStart(QPoint());
}

void CbNotice::showNoticeText(QString text)
{
    hide();
    m_text = text;
    placeAndStart(QPoint());
}

void CbNotice::showNoticeTextAt(QString text, QPoint centre)
{
    hide();
    m_text = text;
    placeAndStart(centre);
}

void CbNotice::placeAndStart(QPoint centre)
{
    // Fixed in every case: a plain resize would be held back by an earlier
    // fixed size and clip a text shown again after a font change.
    const int w = fontMetrics().horizontalAdvance(m_text) + 36;
    const int h = m_noticeHeight;
    setFixedSize(w, h);

    const QPoint c = centre.isNull() ? m_anchor : centre;
    QRect placed(c.x() - w / 2, c.y() - h / 2, w, h);
    // A toast near its parent's edge is moved in whole rather than cut off.
    if (const QWidget* owner = parentWidget(); owner && !isWindow()) {
        const QRect room = owner->rect();
        placed.moveLeft(qMax(room.left(), qMin(placed.left(), room.right() + 1 - w)));
        placed.moveTop(qMax(room.top(), qMin(placed.top(), room.bottom() + 1 - h)));
    }
    move(placed.topLeft());
    startNotice();
}

void CbNotice::startNotice()
{
    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1.0);
    // The effect clamps at 1, so starting above 1 keeps the toast opaque for
    // m_visibleMs before the last second of the run fades it out.
    m_animation->setStartValue(qreal(m_visibleMs + m_fadeMs) / 1000.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(m_visibleMs + m_fadeMs);
    m_animation->start();
    update();
}

void CbNotice::onActiveHideAnimation()
{
    m_animation->start();
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

int CbNotice::cornerRadius() const
{
    if (m_noticeHeight >= 38)
        return 22;
    if (m_noticeHeight < 25)
        return 3;
    return 12;
}

void CbNotice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // Unless a page chose its own, the loaded theme's toast colours, whose
    // text is readable on the fill.
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    const int r = cornerRadius();
    QPainterPath body;
    body.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    painter.fillPath(body, m_backgroundColor.isValid() ? m_backgroundColor : roles.color(DThemeRoles::Toast));

    const QColor text = m_textColor.isValid() ? m_textColor : roles.color(DThemeRoles::ToastText);
    // The outline sets the toast apart from a page of the same colour.
    painter.setPen(QPen(text, 1));
    painter.drawPath(body);
    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void CbNotice::mousePressEvent(QMouseEvent*)
{
    hide();
}

void CbNotice::setTheme(const themeColorData& theme)
{
    m_backgroundColor = QColor();
    m_textColor = QColor();
    QFont font(theme.textFont);
    font.setPixelSize(14);
    setNoticeFont(font);
}
