#include "platform/linux/PulseLoopbackSource.h"

#include "platform/include/SoundLoopback.h"
#include "platform/linux/PlatformLogCategories.h"

#include <pulse/pulseaudio.h>

#include <QDebug>

#include <chrono>
#include <future>
#include <mutex>
#include <thread>

namespace {
// How long a stop waits for the server's clean-up on the owner's thread.
constexpr int kStopWaitMs = 50;
static_assert(kStopWaitMs < SoundLoopbackSource::kStopBoundMs, "a stop returns within its bound");
constexpr uint32_t kPacketBytes
    = SoundLoopbackSource::kSampleRate / 100 * SoundLoopbackSource::kBytesPerFrame; // about 10 ms

class PulseSoundLoopback : public SoundLoopback
{
public:
    SoundLoopbackSource* createSource(QObject* parent) override { return new PulseLoopbackSource(parent); }
};
} // namespace

std::shared_ptr<SoundLoopback> SoundLoopback::createForPlatform()
{
    return std::make_shared<PulseSoundLoopback>();
}

// Everything of one recording. The main loop's callbacks, the owner and a
// stop's clean-up all reach it, so it lives as long as the last of them.
// Setting up runs on the main loop's thread, one server answer after the
// other, so the owner's thread never waits on the server.
struct PulseLoopbackSource::Session
{
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    quint64 id = 0;

    std::mutex mutex;
    QString defaultSink;

    // Cleared by a stop, after which no packet and no failure goes out.
    std::mutex ownerMutex;
    PulseLoopbackSource* owner = nullptr;
    bool failureTold = false;

    void requestServerInfo();
    void connectStream(const QString& sink);
    void fail(const char* step);
    void release();
};

namespace {
using Session = PulseLoopbackSource::Session;

void onServerEvent(pa_context*, pa_subscription_event_type_t type, uint32_t, void* data)
{
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
        static_cast<Session*>(data)->requestServerInfo();
}

void onContextState(pa_context* context, void* data)
{
    auto* session = static_cast<Session*>(data);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        pa_context_set_subscribe_callback(context, onServerEvent, session);
        if (pa_operation* operation = pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr))
            pa_operation_unref(operation);
        session->requestServerInfo();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        session->fail("no sound server");
    }
}

void onStreamState(pa_stream* stream, void* data)
{
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        static_cast<Session*>(data)->fail("the recording stopped");
}

// The first answer starts the recording of the default output; later ones
// (after a change notice) only keep its name current.
void onServerInfo(pa_context*, const pa_server_info* info, void* data)
{
    auto* session = static_cast<Session*>(data);
    const QString sink = info && info->default_sink_name ? QString::fromUtf8(info->default_sink_name) : QString();
    {
        std::lock_guard<std::mutex> lock(session->mutex);
        session->defaultSink = sink;
    }
    if (session->stream)
        return;
    if (sink.isEmpty())
        session->fail("no default output");
    else
        session->connectStream(sink);
}

void onRead(pa_stream* stream, size_t, void* data)
{
    auto* session = static_cast<Session*>(data);
    while (pa_stream_readable_size(stream) > 0) {
        const void* bytes = nullptr;
        size_t size = 0;
        if (pa_stream_peek(stream, &bytes, &size) < 0 || size == 0)
            return;
        // A hole in the recording (no bytes) is skipped.
        if (bytes) {
            const QByteArray packet(static_cast<const char*>(bytes), int(size));
            std::lock_guard<std::mutex> lock(session->ownerMutex);
            if (session->owner)
                emit session->owner->packetCaptured(packet);
        }
        pa_stream_drop(stream);
    }
}
} // namespace

void PulseLoopbackSource::Session::requestServerInfo()
{
    if (pa_operation* operation = pa_context_get_server_info(context, onServerInfo, this))
        pa_operation_unref(operation);
}

// On the main loop's thread, its lock held.
void PulseLoopbackSource::Session::connectStream(const QString& sink)
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(kSampleRate), uint8_t(kChannels)};
    stream = pa_stream_new(context, "Music effect", &spec, nullptr);
    if (!stream) {
        fail("the recording was refused");
        return;
    }
    pa_stream_set_state_callback(stream, onStreamState, this);
    pa_stream_set_read_callback(stream, onRead, this);
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.fragsize = kPacketBytes;
    const QByteArray monitor = (sink + QStringLiteral(".monitor")).toUtf8();
    if (pa_stream_connect_record(stream, monitor.constData(), &attr, PA_STREAM_ADJUST_LATENCY) < 0)
        fail("the recording was refused");
}

// Hands the failure to the owner's thread, where the source stops and tells
// its receivers. A failure of a session the owner has stopped or replaced
// meanwhile is dropped there.
void PulseLoopbackSource::Session::fail(const char* step)
{
    std::lock_guard<std::mutex> lock(ownerMutex);
    if (!owner || failureTold)
        return;
    failureTold = true;
    PulseLoopbackSource* target = owner;
    const quint64 session = id;
    const QString reason = QString::fromLatin1(step);
    QMetaObject::invokeMethod(
        target, [target, session, reason] { target->onSessionFailed(session, reason); }, Qt::QueuedConnection);
}

// Not on the main loop's thread: stopping the loop joins it.
void PulseLoopbackSource::Session::release()
{
    if (!loop)
        return;
    pa_threaded_mainloop_lock(loop);
    if (stream) {
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
    pa_threaded_mainloop_unlock(loop);
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
    loop = nullptr;
}

PulseLoopbackSource::PulseLoopbackSource(QObject* parent)
    : SoundLoopbackSource(parent)
{
}

PulseLoopbackSource::~PulseLoopbackSource()
{
    stop();
}

QString PulseLoopbackSource::defaultOutputName() const
{
    if (!m_session)
        return m_lastOutputName;
    std::lock_guard<std::mutex> lock(m_session->mutex);
    return m_session->defaultSink;
}

int PulseLoopbackSource::start()
{
    if (m_session)
        return 0;
    auto session = std::make_shared<Session>();
    session->id = ++m_sessionCount;
    const auto fail = [this, &session](const char* step) {
        // The music effect tries again while it stays chosen: the first
        // failure is told, the tries after it only in the debug output.
        if (!m_failureWarned)
            qCWarning(platformLcMusic) << "Sound output capture not started, the music effect shows no bars:" << step;
        else
            qCDebug(platformLcMusic) << "Sound output capture not started:" << step;
        m_failureWarned = true;
        session->release();
        return -1;
    };
    session->loop = pa_threaded_mainloop_new();
    if (!session->loop)
        return fail("no main loop");
    session->context = pa_context_new(pa_threaded_mainloop_get_api(session->loop), "Orvane keyboard music effect");
    if (!session->context)
        return fail("no client context");
    {
        std::lock_guard<std::mutex> lock(session->ownerMutex);
        session->owner = this;
    }
    pa_context_set_state_callback(session->context, onContextState, session.get());
    if (pa_context_connect(session->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || pa_threaded_mainloop_start(session->loop) < 0)
        return fail("no sound server");
    m_session = std::move(session);
    return 0;
}

void PulseLoopbackSource::onSessionFailed(quint64 session, const QString& reason)
{
    if (!m_session || m_session->id != session)
        return;
    if (!m_failureWarned)
        qCWarning(platformLcMusic) << "Sound output capture stopped, the music effect shows no bars:" << reason;
    m_failureWarned = true;
    stop();
    emit failed();
}

void PulseLoopbackSource::stop()
{
    if (!m_session)
        return;
    std::shared_ptr<Session> session = std::move(m_session);
    m_session.reset();
    {
        std::lock_guard<std::mutex> lock(session->mutex);
        m_lastOutputName = session->defaultSink;
    }
    {
        std::lock_guard<std::mutex> lock(session->ownerMutex);
        session->owner = nullptr;
    }
    // A server that stalls must not hold the window: the clean-up of a
    // healthy server ends in a few milliseconds, and past this wait (well
    // inside a frame or two and the source's stop bound) it finishes on its
    // own.
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    std::thread([session, finished] {
        session->release();
        finished->set_value();
    }).detach();
    done.wait_for(std::chrono::milliseconds(kStopWaitMs));
}
