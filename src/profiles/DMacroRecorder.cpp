#include "profiles/DMacroRecorder.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

constexpr int kEnter = 13;
constexpr int kMainEnter = 999;
constexpr int kKeypadEnter = 998;
constexpr int kPressFlags = 0x00;
constexpr int kReleaseFlags = 0x80;
constexpr int kExtendedPressFlags = 0x01;
constexpr int kExtendedReleaseFlags = 0x81;

// Keys the window system reports under codes the key maps keep apart.
struct SpecialKey
{
    int keyCode;
    int scanCode; // -1: any
    int code;
};

constexpr SpecialKey kSpecialKeys[] = {
    {255, 0x7D, 981}, {255, 0x79, 987}, {255, 0x70, 988}, {193, -1, 984}, {235, -1, 986},
};

// With Num Lock off the keypad sends the navigation codes, told apart from
// the navigation block only by the missing extended bit.
struct KeypadKey
{
    int navigationCode;
    int keypadCode;
};

constexpr KeypadKey kKeypadKeys[] = {
    {45, 96}, {35, 97}, {40, 98}, {34, 99}, {37, 100}, {12, 101}, {39, 102}, {36, 103}, {38, 104}, {33, 105}, {46, 110},
};

constexpr int kNotExtendedFlags[] = {0x00, 0x80, 0x20, 0xA0};

struct ButtonMessage
{
    WPARAM message;
    DMacroEvent::MouseButton button;
    bool down;
};

constexpr ButtonMessage kButtonMessages[] = {
    {LowLevelHook::kLeftButtonDown, DMacroEvent::LeftButton, true},
    {LowLevelHook::kLeftButtonUp, DMacroEvent::LeftButton, false},
    {LowLevelHook::kRightButtonDown, DMacroEvent::RightButton, true},
    {LowLevelHook::kRightButtonUp, DMacroEvent::RightButton, false},
    {LowLevelHook::kMiddleButtonDown, DMacroEvent::CenterButton, true},
    {LowLevelHook::kMiddleButtonUp, DMacroEvent::CenterButton, false},
};

const QString kKeyType = QStringLiteral("key");
const QString kMouseType = QStringLiteral("mouse");

qint64 monotonicNow()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

} // namespace

DMacroRecorder::DMacroRecorder(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(&monotonicNow))
{
}

void DMacroRecorder::setKeyMaps(const QMap<int, QString>& keyNames, const QMap<int, int>& virtualKeyToHid)
{
    m_keyNames = keyNames;
    m_virtualKeyToHid = virtualKeyToHid;
}

void DMacroRecorder::setDelayMode(DelayMode mode, int fixedDelay)
{
    m_delayMode = mode;
    m_fixedDelay = qBound(0, fixedDelay, kMaxDelay);
}

void DMacroRecorder::setShownMacro(int rows, int presses)
{
    m_shownRows = qMax(0, rows);
    m_presses = qMax(0, presses);
}

void DMacroRecorder::start(int nextMark)
{
    m_recording = true;
    m_markCounter = nextMark;
    m_haveLastEvent = false;
    m_lastEventTick = 0;
    m_held.clear();
    m_recorded.clear();
    m_recordedDelay = 0;
}

QList<DMacroEvent> DMacroRecorder::stop()
{
    if (!m_recording)
        return {};
    // Oldest press first, so the keyboard lets go in the order it pressed.
    for (const DMacroEvent& held : qAsConst(m_held)) {
        DMacroEvent released = held;
        released.delay = 0;
        released.operateExplain = QStringLiteral("up");
        if (held.type == kMouseType)
            ++released.keyCode; // each button's release message follows its press
        m_recorded.append(released);
    }
    QList<DMacroEvent> events = m_recorded;
    cancel();
    return events;
}

void DMacroRecorder::cancel()
{
    m_recording = false;
    m_held.clear();
    m_recorded.clear();
    m_recordedDelay = 0;
}

DMacroRecorder::Key DMacroRecorder::translateKey(int keyCode, int scanCode, int flag, int hookFlag)
{
    Key key{keyCode, flag == 1};
    const auto directionFrom = [&](int pressFlags, int releaseFlags) {
        if (hookFlag == pressFlags)
            key.press = true;
        else if (hookFlag == releaseFlags)
            key.press = false;
    };
    if (keyCode == kEnter) {
        if (hookFlag == kExtendedPressFlags || hookFlag == kExtendedReleaseFlags) {
            key.code = kKeypadEnter;
            directionFrom(kExtendedPressFlags, kExtendedReleaseFlags);
        } else if (hookFlag == kPressFlags || hookFlag == kReleaseFlags) {
            key.code = kMainEnter;
            directionFrom(kPressFlags, kReleaseFlags);
        }
        return key;
    }
    for (const SpecialKey& special : kSpecialKeys) {
        if (special.keyCode == keyCode && (special.scanCode < 0 || special.scanCode == scanCode)) {
            key.code = special.code;
            directionFrom(kPressFlags, kReleaseFlags);
            return key;
        }
    }
    if (std::find(std::begin(kNotExtendedFlags), std::end(kNotExtendedFlags), hookFlag)
        != std::end(kNotExtendedFlags)) {
        for (const KeypadKey& keypad : kKeypadKeys) {
            if (keypad.navigationCode == keyCode) {
                key.code = keypad.keypadCode;
                break;
            }
        }
    }
    return key;
}

DMacroRecorder::Outcome DMacroRecorder::keyEvent(int keyCode, int scanCode, int flag, int hookFlag)
{
    const Key key = translateKey(keyCode, scanCode, flag, hookFlag);
    Outcome outcome;
    if (key.press && m_presses >= kMaxPresses) {
        outcome.result = Result::LimitReached;
        return outcome;
    }
    outcome.usage = m_virtualKeyToHid.value(key.code, -1);
    outcome.name = m_keyNames.value(outcome.usage);
    if (!m_recording) {
        outcome.result = Result::Captured;
        return outcome;
    }
    if (!key.press)
        return release(kKeyType, outcome.usage, outcome.usage);
    // A held key: the hook drops auto-repeat already; a second press of a key
    // still down would leave the first without its release.
    for (const DMacroEvent& held : qAsConst(m_held)) {
        if (held.type == kKeyType && held.keyCode == outcome.usage)
            return outcome;
    }
    const Outcome pressed = press(DMacroEvent::key(0, 0, outcome.usage, outcome.name, true));
    if (pressed.result == Result::Recorded)
        ++m_presses;
    return pressed;
}

DMacroRecorder::Outcome DMacroRecorder::mouseEvent(WPARAM message)
{
    if (!m_recording)
        return {};
    for (const ButtonMessage& button : kButtonMessages) {
        if (button.message != message)
            continue;
        const DMacroEvent event = DMacroEvent::mouse(0, 0, button.button, button.down);
        if (!button.down)
            return release(kMouseType, event.keyCode - 1, event.keyCode);
        for (const DMacroEvent& held : qAsConst(m_held)) {
            if (held.type == kMouseType && held.keyCode == event.keyCode)
                return {};
        }
        return press(event);
    }
    return {};
}

bool DMacroRecorder::pressFits() const
{
    // The press, its release and the releases owed to every held press.
    return m_shownRows + m_recorded.size() + m_held.size() + 2 <= kMaxRows;
}

DMacroRecorder::Outcome DMacroRecorder::press(DMacroEvent event)
{
    Outcome outcome{Result::LimitReached, event.keyCode, event.codeName};
    if (!pressFits())
        return outcome;
    event.mark = QString::number(++m_markCounter);
    record(event);
    m_held.append(m_recorded.last());
    outcome.result = Result::Recorded;
    return outcome;
}

DMacroRecorder::Outcome DMacroRecorder::release(const QString& type, int pressCode, int releaseCode)
{
    for (int at = 0; at < m_held.size(); ++at) {
        const DMacroEvent& held = m_held.at(at);
        if (held.type != type || held.keyCode != pressCode)
            continue;
        DMacroEvent event = held;
        event.keyCode = releaseCode;
        event.operateExplain = QStringLiteral("up");
        m_held.removeAt(at);
        record(event);
        return {Result::Recorded, releaseCode, event.codeName};
    }
    // Pressed before the recording started, or refused by a limit.
    return {};
}

void DMacroRecorder::record(DMacroEvent event)
{
    const qint64 now = m_clock();
    const qint64 measured = m_haveLastEvent ? now - m_lastEventTick : 0;
    m_haveLastEvent = true;
    m_lastEventTick = now;
    switch (m_delayMode) {
    case DelayMode::Recorded:
        event.delay = int(qBound<qint64>(0, measured, kMaxDelay));
        break;
    case DelayMode::None:
        event.delay = 0;
        break;
    case DelayMode::Fixed:
        event.delay = m_fixedDelay;
        break;
    }
    m_recordedDelay += event.delay;
    m_recorded.append(event);
}
