#include "platform/include/TerminationSignals.h"

#include "platform/linux/PlatformLogCategories.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The handler may only write to a descriptor; everything else happens when
// the event loop reads the signal number from the other end.
int g_pipe[2] = {-1, -1};
constexpr int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onTerminationSignal(int signalNumber)
{
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    const int savedErrno = errno;
    if (::write(g_pipe[1], &number, 1) < 0) {
        // Nothing to do inside a handler; a full pipe already holds a request.
    }
    errno = savedErrno;
}
} // namespace

bool TerminationSignals::catchEarly()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        qCWarning(platformLcUi, "TerminationSignals: no socket pair, termination signals keep their default action");
        g_pipe[0] = g_pipe[1] = -1;
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kWatchedSignals)
        ::sigaction(signalNumber, &action, nullptr);
    return true;
}

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (!catchEarly())
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    // A signal caught before the event loop ran is already waiting in the pair.
    QMetaObject::invokeMethod(this, &TerminationSignals::onReadable, Qt::QueuedConnection);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kWatchedSignals)
        ::sigaction(signalNumber, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::onReadable()
{
    unsigned char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1)
        emit terminationRequested(number);
}
