#include "platform/linux/X11InputHookSource.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

std::atomic<int> s_controlFd{-1};
std::atomic<int> s_dataFd{-1};

constexpr quint32 kAltLeft = 164;
constexpr quint32 kAltRight = 165;

// Collects the errors of our own requests on one connection for as long as
// it lives. Qt installs its own Xlib error handler, which is put back after.
class ErrorTrap
{
public:
    explicit ErrorTrap(Display* display)
        : m_display(display)
    {
        s_active = this;
        m_previous = XSetErrorHandler(&ErrorTrap::handle);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
        s_active = nullptr;
    }
    // Serials of the requests that failed, after a sync.
    const std::vector<unsigned long>& failedSerials()
    {
        XSync(m_display, False);
        return m_failed;
    }
    unsigned char firstErrorCode()
    {
        XSync(m_display, False);
        return m_firstCode;
    }

private:
    static int handle(Display* display, XErrorEvent* error)
    {
        if (s_active && display == s_active->m_display) {
            s_active->m_failed.push_back(error->serial);
            if (s_active->m_firstCode == 0)
                s_active->m_firstCode = error->error_code;
            return 0;
        }
        return s_active && s_active->m_previous ? s_active->m_previous(display, error) : 0;
    }

    static ErrorTrap* s_active;
    Display* m_display;
    XErrorHandler m_previous = nullptr;
    std::vector<unsigned long> m_failed;
    unsigned char m_firstCode = 0;
};

ErrorTrap* ErrorTrap::s_active = nullptr;

bool serverHasRecord(Display* display)
{
    int major = 0;
    int minor = 0;
    return XRecordQueryVersion(display, &major, &minor) != 0;
}

} // namespace

struct X11RecordCallback
{
    static void run(XPointer closure, XRecordInterceptData* data)
    {
        // Only collect here: a procedure may end the tap, which must not
        // happen while Xlib is still inside this connection.
        if (data->category == XRecordFromServer && data->data_len * 4 >= sizeof(xEvent))
            reinterpret_cast<X11InputHookSource*>(closure)->queueRecorded(data->data);
        XRecordFreeData(data);
    }
};

X11InputHookSource::X11InputHookSource(QObject* parent)
    : InputHookSource(parent)
{
}

X11InputHookSource::~X11InputHookSource()
{
    closeTap();
}

bool X11InputHookSource::isAvailable()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const bool available = serverHasRecord(display);
    XCloseDisplay(display);
    return available;
}

bool X11InputHookSource::prepare(HookKind)
{
    return openTap();
}

void X11InputHookSource::release()
{
    closeTap();
}

void X11InputHookSource::applyKeySwallowPolicy()
{
    if (hasKeyboardHook() && keySwallowPolicy().swallowKeys)
        grabKeys();
    else
        releaseKeys();
}

void X11InputHookSource::closeConnectionsForCrash()
{
    // shutdown() is async-signal-safe; the server drops a client's grabs
    // as soon as its connection goes.
    const int control = s_controlFd.exchange(-1);
    if (control >= 0)
        ::shutdown(control, SHUT_RDWR);
    const int data = s_dataFd.exchange(-1);
    if (data >= 0)
        ::shutdown(data, SHUT_RDWR);
}

bool X11InputHookSource::openTap()
{
    if (m_control)
        return true;
    setLastErrorCode(NoError);
    m_control = XOpenDisplay(nullptr);
    m_data = m_control ? XOpenDisplay(nullptr) : nullptr;
    if (!m_control || !m_data) {
        setLastErrorCode(NoDisplay);
        closeTap();
        return false;
    }
    if (!serverHasRecord(m_control)) {
        setLastErrorCode(NoRecordExtension);
        closeTap();
        return false;
    }
    s_controlFd = ConnectionNumber(m_control);
    s_dataFd = ConnectionNumber(m_data);
    mapKeyPositions();

    XRecordRange* range = XRecordAllocRange();
    if (!range) {
        setLastErrorCode(RecordContextFailed);
        closeTap();
        return false;
    }
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;
    XRecordClientSpec clients = XRecordAllClients;
    {
        ErrorTrap trap(m_control);
        m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
        if (trap.firstErrorCode() != 0)
            m_context = 0;
    }
    XFree(range);
    if (m_context == 0) {
        setLastErrorCode(RecordContextFailed);
        closeTap();
        return false;
    }

    // What is down already went down before we watched: its repeats are no
    // new presses, its release is one.
    char keymap[32] = {};
    XQueryKeymap(m_control, keymap);
    m_down.reset();
    for (int keycode = 0; keycode < 256; ++keycode) {
        if (keymap[keycode / 8] & (1 << (keycode % 8)))
            m_down.set(static_cast<std::size_t>(keycode));
    }

    if (!XRecordEnableContextAsync(m_data, m_context, &X11RecordCallback::run, reinterpret_cast<XPointer>(this))) {
        setLastErrorCode(RecordContextFailed);
        closeTap();
        return false;
    }
    XFlush(m_data);

    m_dataNotifier = new QSocketNotifier(ConnectionNumber(m_data), QSocketNotifier::Read, this);
    connect(m_dataNotifier, &QSocketNotifier::activated, this, &X11InputHookSource::readRecordedEvents);
    m_controlNotifier = new QSocketNotifier(ConnectionNumber(m_control), QSocketNotifier::Read, this);
    connect(m_controlNotifier, &QSocketNotifier::activated, this, &X11InputHookSource::drainControlEvents);
    return true;
}

void X11InputHookSource::closeTap()
{
    for (QSocketNotifier* notifier : {m_dataNotifier, m_controlNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_dataNotifier = nullptr;
    m_controlNotifier = nullptr;
    if (m_control) {
        releaseKeys();
        if (m_context) {
            XRecordDisableContext(m_control, m_context);
            XRecordFreeContext(m_control, m_context);
            m_context = 0;
        }
        XSync(m_control, False);
    }
    s_controlFd = -1;
    s_dataFd = -1;
    if (m_data)
        XCloseDisplay(m_data);
    if (m_control)
        XCloseDisplay(m_control);
    m_data = nullptr;
    m_control = nullptr;
    m_pending.clear();
    m_keysGrabbed = false;
}

void X11InputHookSource::mapKeyPositions()
{
    m_positions.fill(nullptr);
    XkbDescPtr keyboard = XkbGetMap(m_control, 0, XkbUseCoreKbd);
    if (keyboard && XkbGetNames(m_control, XkbKeyNamesMask, keyboard) == Success && keyboard->names
        && keyboard->names->keys) {
        for (int keycode = keyboard->min_key_code; keycode <= keyboard->max_key_code; ++keycode) {
            const XkbKeyNameRec& name = keyboard->names->keys[keycode];
            m_positions[static_cast<std::size_t>(keycode)] = KeyPositionTable::byXkbName(name.name, XkbKeyNameLength);
        }
    } else {
        // Without key names the server's keycodes are taken as evdev ones,
        // which is what every current X server on Linux uses.
        for (int keycode = 0; keycode < 256; ++keycode)
            m_positions[static_cast<std::size_t>(keycode)]
                = KeyPositionTable::byXKeycode(static_cast<quint32>(keycode));
    }
    if (keyboard)
        XkbFreeKeyboard(keyboard, 0, True);
}

bool X11InputHookSource::isPassThroughKeycode(int keycode) const
{
    const KeyPosition* position = m_positions[static_cast<std::size_t>(keycode)];
    return position && KeySwallowPolicy::isPassThroughKey(position->vkCode);
}

void X11InputHookSource::grabKeys()
{
    if (!m_control || m_keysGrabbed)
        return;
    int minKeycode = 8;
    int maxKeycode = 255;
    XDisplayKeycodes(m_control, &minKeycode, &maxKeycode);
    const Window root = DefaultRootWindow(m_control);

    ErrorTrap trap(m_control);
    std::vector<std::pair<unsigned long, int>> requests;
    for (int keycode = minKeycode; keycode <= maxKeycode; ++keycode) {
        if (isPassThroughKeycode(keycode))
            continue;
        requests.emplace_back(NextRequest(m_control), keycode);
        XGrabKey(m_control, keycode, AnyModifier, root, False, GrabModeAsync, GrabModeAsync);
    }
    // A key another client grabbed with some modifiers (a desktop shortcut)
    // refuses AnyModifier; take it with every modifier combination it still has free.
    const std::vector<unsigned long> failed = trap.failedSerials();
    for (const auto& [serial, keycode] : requests) {
        if (std::find(failed.begin(), failed.end(), serial) == failed.end())
            continue;
        for (unsigned int modifiers = 0; modifiers < 256; ++modifiers)
            XGrabKey(m_control, keycode, modifiers, root, False, GrabModeAsync, GrabModeAsync);
    }
    m_keysGrabbed = true;
}

void X11InputHookSource::releaseKeys()
{
    if (!m_control || !m_keysGrabbed)
        return;
    const Window root = DefaultRootWindow(m_control);
    XUngrabKey(m_control, AnyKey, AnyModifier, root);
    // A grab that a held key already activated outlives its passive grab.
    XUngrabKeyboard(m_control, CurrentTime);
    XSync(m_control, False);
    m_keysGrabbed = false;
}

void X11InputHookSource::drainControlEvents()
{
    // Grabbed keys are reported to this connection; nobody reads them.
    while (m_control && XPending(m_control) > 0) {
        XEvent event;
        XNextEvent(m_control, &event);
    }
}

void X11InputHookSource::queueRecorded(const unsigned char* xEventBytes)
{
    xEvent event;
    std::memcpy(&event, xEventBytes, sizeof(event));
    RecordedEvent recorded;
    recorded.type = event.u.u.type & 0x7F;
    recorded.detail = event.u.u.detail;
    recorded.time = event.u.keyButtonPointer.time;
    recorded.rootX = event.u.keyButtonPointer.rootX;
    recorded.rootY = event.u.keyButtonPointer.rootY;
    m_pending.push_back(recorded);
}

void X11InputHookSource::readRecordedEvents()
{
    if (!m_data)
        return;
    XRecordProcessReplies(m_data);
    const std::vector<RecordedEvent> events = std::move(m_pending);
    m_pending.clear();
    QPointer<X11InputHookSource> alive(this);
    for (const RecordedEvent& event : events) {
        // A procedure may end the tap or the whole source.
        if (!alive || !m_data)
            return;
        handleRecorded(event);
    }
}

void X11InputHookSource::handleRecorded(const RecordedEvent& event)
{
    if (event.type == KeyPress || event.type == KeyRelease)
        handleKey(event);
    else if (event.type == ButtonPress || event.type == ButtonRelease)
        handleButton(event);
}

bool X11InputHookSource::altDown() const
{
    for (std::size_t keycode = 0; keycode < m_positions.size(); ++keycode) {
        const KeyPosition* position = m_positions[keycode];
        if (position && m_down.test(keycode) && (position->vkCode == kAltLeft || position->vkCode == kAltRight))
            return true;
    }
    return false;
}

void X11InputHookSource::handleKey(const RecordedEvent& event)
{
    const bool press = event.type == KeyPress;
    const bool wasDown = m_down.test(event.detail);
    m_down.set(event.detail, press);
    // The server repeats a held key as further presses; the receivers count
    // one press per physical press.
    if (press && wasDown)
        return;
    const KeyPosition* position = m_positions[event.detail];
    if (!position || !hasKeyboardHook())
        return;
    KBDLLHOOKSTRUCT record;
    record.vkCode = position->vkCode;
    record.scanCode = position->scanCode;
    record.flags = (position->extended ? LowLevelHook::kFlagExtended : 0u)
                   | (altDown() ? LowLevelHook::kFlagAltDown : 0u) | (press ? 0u : LowLevelHook::kFlagReleased);
    record.time = event.time;
    deliverKey(record);
}

void X11InputHookSource::handleButton(const RecordedEvent& event)
{
    if (!hasMouseHook())
        return;
    const bool press = event.type == ButtonPress;
    MSLLHOOKSTRUCT record;
    record.pt.x = event.rootX;
    record.pt.y = event.rootY;
    record.time = event.time;
    WPARAM message = 0;
    switch (event.detail) {
    case Button1:
        message = press ? LowLevelHook::kLeftButtonDown : LowLevelHook::kLeftButtonUp;
        break;
    case Button2:
        message = press ? LowLevelHook::kMiddleButtonDown : LowLevelHook::kMiddleButtonUp;
        break;
    case Button3:
        message = press ? LowLevelHook::kRightButtonDown : LowLevelHook::kRightButtonUp;
        break;
    case Button4:
    case Button5:
        // X reports each wheel notch as a click of buttons 4 and 5; one
        // notch is one wheel message.
        if (!press)
            return;
        message = LowLevelHook::kWheel;
        record.mouseData
            = static_cast<quint32>(event.detail == Button4 ? LowLevelHook::kWheelDelta : -LowLevelHook::kWheelDelta)
              << 16;
        break;
    case 6:
    case 7:
        if (!press)
            return;
        message = LowLevelHook::kHorizontalWheel;
        record.mouseData
            = static_cast<quint32>(event.detail == 7 ? LowLevelHook::kWheelDelta : -LowLevelHook::kWheelDelta) << 16;
        break;
    case 8:
    case 9:
        message = press ? LowLevelHook::kExtraButtonDown : LowLevelHook::kExtraButtonUp;
        record.mouseData = static_cast<quint32>(event.detail == 8 ? 1 : 2) << 16;
        break;
    default:
        return;
    }
    deliverMouse(message, record);
}
