#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Keeps a keyboard that keeps answering from rewriting its profile file
// without end. The first save runs at once; saves that follow within the
// interval are held, and only the latest of them runs when it ends, so the
// newest value is always the one stored and at most one save runs per
// interval.
class DStoreWriteThrottle : public QObject
{
    Q_OBJECT

public:
    explicit DStoreWriteThrottle(int intervalMs, QObject* parent = nullptr);

    void submit(std::function<void()> save);
    // Runs a held save now (the link is closing).
    void flush();
    bool hasHeldSave() const { return bool(m_held); }

private:
    void intervalEnded();

    QTimer m_interval;
    std::function<void()> m_held;
};
