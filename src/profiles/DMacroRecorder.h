#pragma once

#include "platform/include/lowLevelHookRecords.h"
#include "profiles/DMacroEvent.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

// Turns the hooks' key and button events into macro events while the editor
// records, and resolves a key for the editor's key fields while it does not.
//
// A recording starts afresh: presses held from an earlier recording or from
// before the start are not paired with anything of this one, so a release
// never reaches the file without its press. A press is taken only while its
// release still fits within the row limit, and stopping adds the release of
// every key or button still held, so the keyboard never plays a key that
// stays down.
class DMacroRecorder
{
public:
    enum class DelayMode { Recorded = 0, None = 1, Fixed = 2 };
    enum class Result {
        Ignored, // nothing to do with the event
        LimitReached, // refused by one of the limits; the user is told
        Captured, // not recording: the key for a key field
        Recorded, // appended to the recording, see recorded()
    };

    struct Outcome
    {
        Result result = Result::Ignored;
        int usage = -1;
        QString name;
    };

    // A key as the macro stores it.
    struct Key
    {
        int code = 0; // the virtual-key code after the special cases
        bool press = false;
    };

    static constexpr int kMaxRows = 40;
    static constexpr int kMaxPresses = 20;
    static constexpr int kMaxDelay = 65535;

    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    explicit DMacroRecorder(Clock clock = Clock());

    void setKeyMaps(const QMap<int, QString>& keyNames, const QMap<int, int>& virtualKeyToHid);
    // Read at every event, as the editor's radio buttons may change between
    // them. A fixed delay is cut to 0..65535.
    void setDelayMode(DelayMode mode, int fixedDelay = 0);

    // The macro on show: its rows and its stored presses, which count
    // against the limits.
    void setShownMacro(int rows, int presses);
    int presses() const { return m_presses; }

    // The first pair of the recording gets nextMark + 1.
    void start(int nextMark);
    bool isRecording() const { return m_recording; }
    // Ends the recording; returns every event of it, with the releases of
    // what is still held appended with delay 0.
    QList<DMacroEvent> stop();
    // Ends the recording and forgets it.
    void cancel();

    // The events of the running recording so far, and their total delay.
    const QList<DMacroEvent>& recorded() const { return m_recorded; }
    qint64 recordedDelay() const { return m_recordedDelay; }

    // One keyboard event of the hook: virtual-key code, scan code, 1 press
    // or 0 release, the hook's flag word.
    Outcome keyEvent(int keyCode, int scanCode, int flag, int hookFlag);
    // One mouse message of the hook; only the three buttons' presses and
    // releases are taken.
    Outcome mouseEvent(WPARAM message);

    // The code and direction the key maps know the key by.
    static Key translateKey(int keyCode, int scanCode, int flag, int hookFlag);

private:
    bool pressFits() const;
    Outcome press(DMacroEvent event);
    Outcome release(const QString& type, int pressCode, int releaseCode);
    void record(DMacroEvent event);

    Clock m_clock;
    QMap<int, QString> m_keyNames;
    QMap<int, int> m_virtualKeyToHid;
    DelayMode m_delayMode = DelayMode::Recorded;
    int m_fixedDelay = 0;
    int m_shownRows = 0;
    int m_presses = 0;
    bool m_recording = false;
    int m_markCounter = 0;
    bool m_haveLastEvent = false;
    qint64 m_lastEventTick = 0;
    // Presses of this recording not yet released, oldest first.
    QList<DMacroEvent> m_held;
    QList<DMacroEvent> m_recorded;
    qint64 m_recordedDelay = 0;
};
