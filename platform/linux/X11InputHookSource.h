#pragma once

#include "platform/include/InputHookSource.h"
#include "platform/linux/KeyPositionTable.h"

#include <array>
#include <bitset>
#include <vector>

class QSocketNotifier;
struct _XDisplay;

// The desktop-wide tap on X11. A RECORD context on a connection of its own
// reports every key and button event the server processes, whoever receives
// it; the context's descriptor sits on a QSocketNotifier, so events reach the
// procedures on the GUI thread from its event loop.
//
// Swallowing uses passive grabs on every keycode except those of the
// pass-through keys, held by a second connection: the server then hands the
// captured keys to us and nobody else, while Caps Lock, Num Lock, Scroll Lock
// and both Ctrl keys reach the focused window as the real events they are.
// (One active keyboard grab would take those keys too, and putting them back
// with XTest toggles the lock state a second time, because the server applies
// locks even to grabbed keys.) Dropping the grabs, closing the connection, or
// the process ending all give the keyboard back.
class X11InputHookSource : public InputHookSource
{
    Q_OBJECT

public:
    explicit X11InputHookSource(QObject* parent = nullptr);
    ~X11InputHookSource() override;

    // True when Qt runs on X11 and the server offers RECORD.
    static bool isAvailable();

    Reach reach() const override { return Reach::WholeDesktop; }

    static void closeConnectionsForCrash();

protected:
    bool prepare(HookKind kind) override;
    void release() override;
    void applyKeySwallowPolicy() override;

private:
    struct RecordedEvent
    {
        quint8 type;
        quint8 detail;
        quint32 time;
        qint16 rootX;
        qint16 rootY;
    };

    bool openTap();
    void closeTap();
    void mapKeyPositions();
    void grabKeys();
    void releaseKeys();
    void readRecordedEvents();
    void drainControlEvents();
    void handleRecorded(const RecordedEvent& event);
    void handleKey(const RecordedEvent& event);
    void handleButton(const RecordedEvent& event);
    bool altDown() const;
    bool isPassThroughKeycode(int keycode) const;
    void queueRecorded(const unsigned char* xEvent);
    friend struct X11RecordCallback;

    _XDisplay* m_control = nullptr; // holds the grabs and the context
    _XDisplay* m_data = nullptr; // receives what the context records
    unsigned long m_context = 0;
    QSocketNotifier* m_dataNotifier = nullptr;
    QSocketNotifier* m_controlNotifier = nullptr;

    bool m_keysGrabbed = false;

    std::array<const KeyPosition*, 256> m_positions{};
    std::bitset<256> m_down;
    std::vector<RecordedEvent> m_pending;
};
