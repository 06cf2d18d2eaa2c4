#pragma once

#include <QVector>

// Who the program's one keyboard hook serves. A key capture or a macro
// recording takes it on purpose; the latest taker has it, and when it lets
// go the one it took it from has it back. The typing-driven lighting effects
// only wish for pass-through, which runs while nobody holds the hook, so a
// light change reported by the keyboard never cuts off a recording.
class DHookOwnership
{
public:
    static constexpr int kNoMode = 999;

    explicit DHookOwnership(int passThroughMode);

    // Taking again moves the taker to the top.
    void take(int mode);
    void release(int mode);
    void setPassThroughWanted(bool wanted);

    bool passThroughWanted() const { return m_passThroughWanted; }
    bool isHeld() const { return !m_takers.isEmpty(); }
    // The mode the hook should run in now, kNoMode for none.
    int modeToRun() const;

private:
    int m_passThroughMode;
    bool m_passThroughWanted = false;
    // Oldest first.
    QVector<int> m_takers;
};
