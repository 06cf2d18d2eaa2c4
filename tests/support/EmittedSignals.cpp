#include "support/EmittedSignals.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QObject>
#include <QThread>

// Qt declares the hook only in a private header; its layout is fixed for
// the Qt 5 series.
struct QSignalSpyCallbackSet
{
    typedef void (*BeginCallback)(QObject* caller, int signalOrMethodIndex, void** argv);
    typedef void (*EndCallback)(QObject* caller, int signalOrMethodIndex);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
void Q_DECL_IMPORT qt_register_signal_spy_callbacks(QSignalSpyCallbackSet* callbackSet);

namespace {

QList<QPair<const QObject*, QByteArray>>* g_emitted = nullptr;

int ownSignalCount(const QMetaObject* meta)
{
    int count = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal)
            ++count;
    }
    return count;
}

// The hook numbers signals alone, the base classes' first.
QByteArray signalSignature(const QMetaObject* meta, int signalIndex)
{
    for (; meta; meta = meta->superClass()) {
        int offset = 0;
        for (const QMetaObject* base = meta->superClass(); base; base = base->superClass())
            offset += ownSignalCount(base);
        if (signalIndex < offset)
            continue;
        int local = signalIndex - offset;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() != QMetaMethod::Signal)
                continue;
            if (local-- == 0)
                return meta->method(i).methodSignature();
        }
        return QByteArray();
    }
    return QByteArray();
}

void onSignal(QObject* caller, int signalIndex, void**)
{
    // Only the test's own thread: the list is not shared with workers.
    if (g_emitted && QThread::currentThread() == QCoreApplication::instance()->thread())
        g_emitted->append({caller, signalSignature(caller->metaObject(), signalIndex)});
}

QSignalSpyCallbackSet g_callbacks = {onSignal, nullptr, nullptr, nullptr};

} // namespace

EmittedSignals::EmittedSignals()
{
    Q_ASSERT(!g_emitted);
    g_emitted = &m_emitted;
    qt_register_signal_spy_callbacks(&g_callbacks);
}

EmittedSignals::~EmittedSignals()
{
    qt_register_signal_spy_callbacks(nullptr);
    g_emitted = nullptr;
}

QList<QByteArray> EmittedSignals::of(const QObject* sender) const
{
    QList<QByteArray> found;
    for (const auto& entry : m_emitted) {
        if (entry.first == sender)
            found << entry.second;
    }
    return found;
}
