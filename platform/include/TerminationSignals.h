#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (log-out, `kill`, Ctrl+C in a terminal)
// into a signal on the GUI thread, so the program ends through its event loop
// like the tray's Quit: the single-instance segment and the socket name are
// released instead of being left behind for the next start to reclaim.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the signals from now on; one that arrives before the object
    // exists is kept and reported once it does. Call it before anything that
    // another process could be waiting for (the single-instance server).
    static bool catchEarly();

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};
