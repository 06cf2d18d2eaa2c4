#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

class QObject;

// Records every signal emitted while it lives, as (sender, signature), also
// those a constructor emits, before any QSignalSpy could be connected. It
// uses the hook QtTest's own signal dump (-vs) uses. One at a time.
class EmittedSignals
{
public:
    EmittedSignals();
    ~EmittedSignals();
    EmittedSignals(const EmittedSignals&) = delete;
    EmittedSignals& operator=(const EmittedSignals&) = delete;

    // Signatures such as "sigAllKeysInfoAlreadyLoadedA()" of the signals the
    // object emitted, in order.
    QList<QByteArray> of(const QObject* sender) const;

private:
    QList<QPair<const QObject*, QByteArray>> m_emitted;
};
