#include "platform/linux/WindowFilterInputHookSource.h"

#include "platform/linux/KeyPositionTable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

constexpr quint32 kAltLeft = 164;
constexpr quint32 kAltRight = 165;

// Only key, button and wheel events come here, all of them input events.
quint32 eventTime(QEvent* event)
{
    return static_cast<quint32>(static_cast<QInputEvent*>(event)->timestamp());
}

bool nativeCodeIsXKeycode()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

const KeyPosition* positionOf(const QKeyEvent* event)
{
    if (event->nativeScanCode() != 0 && nativeCodeIsXKeycode()) {
        if (const KeyPosition* position = KeyPositionTable::byXKeycode(event->nativeScanCode()))
            return position;
    }
    return KeyPositionTable::byQtKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
}

} // namespace

WindowFilterInputHookSource::WindowFilterInputHookSource(QObject* parent)
    : InputHookSource(parent)
{
}

WindowFilterInputHookSource::~WindowFilterInputHookSource()
{
    release();
}

bool WindowFilterInputHookSource::prepare(HookKind kind)
{
    if (kind == HookKind::Keyboard)
        m_downKeys.clear();
    if (m_filterInstalled)
        return true;
    if (!QCoreApplication::instance()) {
        setLastErrorCode(NoApplication);
        return false;
    }
    QCoreApplication::instance()->installEventFilter(this);
    m_filterInstalled = true;
    return true;
}

void WindowFilterInputHookSource::release()
{
    if (m_filterInstalled && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_filterInstalled = false;
}

bool WindowFilterInputHookSource::eventFilter(QObject* watched, QEvent* event)
{
    // The window gets each input event first and passes it on to its
    // widgets; looking only there sees every event exactly once.
    if (!watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return hasKeyboardHook() && filterKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        if (hasMouseHook())
            filterMouse(event);
        return false;
    default:
        return false;
    }
}

bool WindowFilterInputHookSource::filterKey(QKeyEvent* event)
{
    const KeyPosition* position = positionOf(event);
    if (!position)
        return keySwallowPolicy().swallowKeys;
    const bool press = event->type() == QEvent::KeyPress;
    if (press && (event->isAutoRepeat() || m_downKeys.contains(position->vkCode)))
        return keySwallowPolicy().swallows(position->vkCode);
    if (press)
        m_downKeys.insert(position->vkCode);
    else
        m_downKeys.remove(position->vkCode);

    KBDLLHOOKSTRUCT record;
    record.vkCode = position->vkCode;
    record.scanCode = position->scanCode;
    const bool altDown = m_downKeys.contains(kAltLeft) || m_downKeys.contains(kAltRight);
    record.flags = (position->extended ? LowLevelHook::kFlagExtended : 0u) | (altDown ? LowLevelHook::kFlagAltDown : 0u)
                   | (press ? 0u : LowLevelHook::kFlagReleased);
    record.time = eventTime(event);
    return deliverKey(record);
}

void WindowFilterInputHookSource::filterMouse(QEvent* event)
{
    MSLLHOOKSTRUCT record;
    record.time = eventTime(event);
    WPARAM message = 0;
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        record.pt.x = global.x();
        record.pt.y = global.y();
        const QPoint delta = wheel->angleDelta();
        const bool horizontal = delta.y() == 0 && delta.x() != 0;
        message = horizontal ? LowLevelHook::kHorizontalWheel : LowLevelHook::kWheel;
        record.mouseData = static_cast<quint32>(static_cast<qint16>(horizontal ? delta.x() : delta.y())) << 16;
    } else {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        record.pt.x = mouse->globalPos().x();
        record.pt.y = mouse->globalPos().y();
        // The low-level hook reports a second click as a plain press.
        const bool press = event->type() != QEvent::MouseButtonRelease;
        switch (mouse->button()) {
        case Qt::LeftButton:
            message = press ? LowLevelHook::kLeftButtonDown : LowLevelHook::kLeftButtonUp;
            break;
        case Qt::RightButton:
            message = press ? LowLevelHook::kRightButtonDown : LowLevelHook::kRightButtonUp;
            break;
        case Qt::MiddleButton:
            message = press ? LowLevelHook::kMiddleButtonDown : LowLevelHook::kMiddleButtonUp;
            break;
        case Qt::BackButton:
        case Qt::ForwardButton:
            message = press ? LowLevelHook::kExtraButtonDown : LowLevelHook::kExtraButtonUp;
            record.mouseData = static_cast<quint32>(mouse->button() == Qt::BackButton ? 1 : 2) << 16;
            break;
        default:
            return;
        }
    }
    deliverMouse(message, record);
}
