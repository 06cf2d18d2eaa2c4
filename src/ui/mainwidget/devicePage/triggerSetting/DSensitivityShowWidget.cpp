#include "ui/mainwidget/devicePage/triggerSetting/DSensitivityShowWidget.h"

#include "app/DDataManager.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kCornerRadius = 3;
// The strips beside the bar where a press picks the press or release handle,
// and the part of each strip that counts as the handle itself.
constexpr int kStripWidth = 20;
constexpr int kHandleNear = 8;
constexpr int kHandleFar = 22;
constexpr int kHandleReach = 7;
const QColor kReleaseLabelColor(255, 49, 53);
} // namespace

DSensitivityShowWidget::DSensitivityShowWidget(QWidget* parent)
    : QWidget(parent)
    , m_commonPixmap(QStringLiteral(":/images/device/Sensitivity/slider_C.png"))
    , m_pressPixmap(QStringLiteral(":/images/device/Sensitivity/slider_L.png"))
    , m_releasePixmap(QStringLiteral(":/images/device/Sensitivity/slider_R.png"))
    , m_pressDownPixmap(QStringLiteral(":/images/device/Sensitivity/press_Down.png"))
    , m_releaseUpPixmap(QStringLiteral(":/images/device/Sensitivity/release_Up.png"))
{
    setThemeColors();
}

void DSensitivityShowWidget::setShowSize(int width, int height)
{
    m_showWidth = width;
    m_showHeight = height;
}

void DSensitivityShowWidget::setLevelCount(int count)
{
    m_scale.setLevelCount(count, m_showHeight);
}

void DSensitivityShowWidget::setLevelInset(int width)
{
    m_barWidth = width;
}

void DSensitivityShowWidget::setThemeColors()
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    const QColor live = roles.color(DThemeRoles::Accent);
    const QColor panel = roles.color(DThemeRoles::DevicePanel);
    setShowColors(roles.color(DThemeRoles::ScrollTrack), live, panel, live, panel);
}

void DSensitivityShowWidget::setShowColors(QColor segment, QColor live, QColor third, QColor label, QColor background)
{
    m_segmentColor = segment;
    m_liveColor = live;
    m_thirdColor = third;
    m_labelColor = label;
    m_backgroundColor = background;
    m_gradient = DTravelScale::gradient(live, m_scale.levelCount());
    update();
}

void DSensitivityShowWidget::setCommonLevel(int n)
{
    if (!m_scale.hasBoundaries())
        return;
    m_commonLevel = m_scale.clampLevel(n);
    m_commonY = m_scale.boundaryY(m_commonLevel);
}

// The saved level goes with the remembered place, so a handle the keep-apart
// rule sends back lands on the level it is drawn at.
void DSensitivityShowWidget::setPressLevel(int n)
{
    if (!m_scale.hasBoundaries())
        return;
    m_pressLevel = m_savedPressLevel = m_scale.clampLevel(n);
    m_pressY = m_lastPressY = m_scale.boundaryY(m_pressLevel);
}

void DSensitivityShowWidget::setReleaseLevel(int n)
{
    if (!m_scale.hasBoundaries())
        return;
    m_releaseLevel = m_savedReleaseLevel = m_scale.clampLevel(n);
    m_releaseY = m_lastReleaseY = m_scale.boundaryY(m_releaseLevel);
}

void DSensitivityShowWidget::setLiveTravel(int n)
{
    m_liveTravel = n;
    update();
}

void DSensitivityShowWidget::setSeparateMode(int mode)
{
    m_mode = mode;
    update();
}

void DSensitivityShowWidget::setIndicatorFlag(bool shown)
{
    m_liveShown = shown;
    update();
}

void DSensitivityShowWidget::setQuickTriggerMode(bool on)
{
    m_keepApart = on;
}

QString DSensitivityShowWidget::handleLabel(Handle handle) const
{
    switch (handle) {
    case PressHandle:
        return DTravelScale::millimetres(m_pressLevel);
    case ReleaseHandle:
        return DTravelScale::millimetres(m_releaseLevel);
    default:
        return DTravelScale::millimetres(m_commonLevel);
    }
}

void DSensitivityShowWidget::mousePressEvent(QMouseEvent* event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    if (m_mode == 0) {
        m_dragging = true;
        m_commonY = y;
        update();
        return;
    }
    const int x0 = barLeft();
    const int x1 = barRight();
    if (x0 - kStripWidth < x && x < x0) {
        m_activeHandle = PressHandle;
        m_pressY = y;
        if (x0 - kHandleFar < x && x < x0 - kHandleNear && std::abs(m_lastPressY - y) < kHandleReach) {
            m_dragging = true;
            return;
        }
    } else if (x1 < x && x < x1 + kStripWidth) {
        m_activeHandle = ReleaseHandle;
        m_releaseY = y;
        if (x1 + kHandleNear < x && x < x1 + kHandleFar && std::abs(m_lastReleaseY - y) < kHandleReach) {
            m_dragging = true;
            return;
        }
    }
    update();
}

void DSensitivityShowWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void DSensitivityShowWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const int y = event->pos().y();
    if (m_mode == 0)
        m_commonY = y;
    else if (m_activeHandle == PressHandle)
        m_pressY = y;
    else
        m_releaseY = y;
    update();
}

void DSensitivityShowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const int x0 = barLeft();
    painter.fillRect(QRect(x0, contentsRect().top(), m_barWidth, contentsRect().height()), m_backgroundColor);

    const int count = m_scale.levelCount();
    const int segmentHeight = m_scale.segmentHeight();
    painter.setPen(Qt::NoPen);
    if (segmentHeight > 0) {
        // The last place carries no segment: the bar shows one fewer than the
        // levels, matching the boundaries the handles stand on.
        for (int i = 0; i < count; ++i) {
            painter.setBrush(i == count - 1 ? QColor(Qt::transparent) : m_segmentColor);
            painter.drawRoundedRect(QRect(x0, m_scale.segmentTop(i), m_barWidth, segmentHeight), kCornerRadius,
                                    kCornerRadius);
        }
        if (m_liveShown) {
            // A keyboard byte can report up to 255; the bar holds count places.
            const int live = std::clamp(m_liveTravel, 0, std::max(count, 0));
            for (int i = 0; i < live; ++i) {
                painter.setBrush(m_gradient.colorAt(i));
                painter.drawRoundedRect(QRect(x0, m_scale.segmentTop(i), m_barWidth, segmentHeight), kCornerRadius,
                                        kCornerRadius);
            }
        }
    }

    // Before the keyboard reported its levels there is no boundary to stand
    // on, and no level worth reporting.
    if (!m_scale.hasBoundaries())
        return;
    if (m_mode == 0) {
        drawHandle(painter, CommonHandle);
    } else {
        drawHandle(painter, PressHandle);
        drawHandle(painter, ReleaseHandle);
    }
}

void DSensitivityShowWidget::drawHandle(QPainter& painter, Handle handle)
{
    const int x0 = barLeft();
    const int x1 = barRight();
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(9);
    painter.setFont(font);

    int level = 0;
    int drawnY = 0;
    if (handle == CommonHandle) {
        const DTravelScale::Snap snap = m_scale.snap(m_commonY);
        m_commonLevel = level = snap.level;
        drawnY = snap.y;
        painter.drawPixmap(QRect(m_showWidth / 2 - 5, drawnY - 6, 11, 11), m_commonPixmap);
        painter.setPen(QPen(m_labelColor, 1, Qt::SolidLine));
        painter.drawText(m_showWidth / 2 + 23, drawnY + 4, handleLabel(handle));
    } else if (handle == PressHandle) {
        DTravelScale::Snap snap = m_scale.snap(m_pressY);
        if (m_mode == 1 && m_keepApart && m_lastReleaseY >= 0 && snap.y <= m_lastReleaseY && m_lastPressY >= 0) {
            snap = {m_savedPressLevel, m_lastPressY};
            m_pressY = m_lastPressY;
        }
        m_pressLevel = level = snap.level;
        drawnY = snap.y;
        painter.drawPixmap(QRect(x0 - 19, drawnY - 7, 10, 12), m_pressPixmap);
        painter.setPen(QPen(m_labelColor, 1, Qt::SolidLine));
        painter.drawText(x0 - 64, drawnY + 4, handleLabel(handle));
        m_lastPressY = drawnY;
        m_savedPressLevel = level;
    } else {
        DTravelScale::Snap snap = m_scale.snap(m_releaseY);
        if (m_mode == 1 && m_keepApart && m_lastPressY >= 0 && snap.y >= m_lastPressY && m_lastReleaseY >= 0) {
            snap = {m_savedReleaseLevel, m_lastReleaseY};
            m_releaseY = m_lastReleaseY;
        }
        m_releaseLevel = level = snap.level;
        drawnY = snap.y;
        painter.drawPixmap(QRect(x1 + 9, drawnY - 7, 10, 12), m_releasePixmap);
        painter.setPen(QPen(kReleaseLabelColor, 1, Qt::SolidLine));
        painter.drawText(x1 + 24, drawnY + 4, handleLabel(handle));
        m_lastReleaseY = drawnY;
        m_savedReleaseLevel = level;
    }
    emit sigCurrentStrengthNumBack(handle, level);
}
