#include "platform/linux/PulseLoopbackSource.h"

#include "platform/include/SoundLoopback.h"
#include "platform/linux/PlatformLogCategories.h"

#include <pulse/pulseaudio.h>

#include <QDebug>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace {
// How long a start waits for each answer of the server before giving up.
constexpr std::chrono::milliseconds kAnswerTimeout(2000);
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
struct PulseLoopbackSource::Session
{
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;

    std::mutex mutex;
    std::condition_variable changed;
    pa_context_state_t contextState = PA_CONTEXT_UNCONNECTED;
    pa_stream_state_t streamState = PA_STREAM_UNCONNECTED;
    bool infoArrived = false;
    QString defaultSink;

    // Cleared by a stop, after which no packet goes out.
    std::mutex ownerMutex;
    SoundLoopbackSource* owner = nullptr;

    template<typename Ready>
    bool waitFor(Ready ready)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, kAnswerTimeout, ready);
    }

    void update(const std::function<void()>& change)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            change();
        }
        changed.notify_all();
    }

    void requestServerInfo();
    void release();
};

namespace {
using Session = PulseLoopbackSource::Session;

void onContextState(pa_context* context, void* data)
{
    auto* session = static_cast<Session*>(data);
    const pa_context_state_t state = pa_context_get_state(context);
    session->update([&] { session->contextState = state; });
}

void onStreamState(pa_stream* stream, void* data)
{
    auto* session = static_cast<Session*>(data);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    session->update([&] { session->streamState = state; });
}

void onServerInfo(pa_context*, const pa_server_info* info, void* data)
{
    auto* session = static_cast<Session*>(data);
    const QString sink = info && info->default_sink_name ? QString::fromUtf8(info->default_sink_name) : QString();
    session->update([&] {
        session->defaultSink = sink;
        session->infoArrived = true;
    });
}

void onServerEvent(pa_context*, pa_subscription_event_type_t type, uint32_t, void* data)
{
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
        static_cast<Session*>(data)->requestServerInfo();
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
    const auto fail = [&session](const char* step) {
        qCWarning(platformLcMusic) << "Sound output capture not started, the music effect shows no bars:" << step;
        session->release();
        return -1;
    };
    session->loop = pa_threaded_mainloop_new();
    if (!session->loop)
        return fail("no main loop");
    session->context = pa_context_new(pa_threaded_mainloop_get_api(session->loop), "Orvane keyboard music effect");
    if (!session->context)
        return fail("no client context");
    pa_context_set_state_callback(session->context, onContextState, session.get());
    if (pa_context_connect(session->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || pa_threaded_mainloop_start(session->loop) < 0)
        return fail("no sound server");
    const bool settled = session->waitFor(
        [&] { return session->contextState == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(session->contextState); });
    if (!settled || session->contextState != PA_CONTEXT_READY)
        return fail("no sound server");

    pa_threaded_mainloop_lock(session->loop);
    pa_context_set_subscribe_callback(session->context, onServerEvent, session.get());
    if (pa_operation* operation = pa_context_subscribe(session->context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr))
        pa_operation_unref(operation);
    session->requestServerInfo();
    pa_threaded_mainloop_unlock(session->loop);
    if (!session->waitFor([&] { return session->infoArrived; }))
        return fail("the sound server does not answer");
    QString sink;
    {
        std::lock_guard<std::mutex> lock(session->mutex);
        sink = session->defaultSink;
    }
    if (sink.isEmpty())
        return fail("no default output");

    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(kSampleRate), uint8_t(kChannels)};
    pa_threaded_mainloop_lock(session->loop);
    session->stream = pa_stream_new(session->context, "Music effect", &spec, nullptr);
    int connected = -1;
    if (session->stream) {
        pa_stream_set_state_callback(session->stream, onStreamState, session.get());
        pa_stream_set_read_callback(session->stream, onRead, session.get());
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = kPacketBytes;
        const QByteArray monitor = (sink + QStringLiteral(".monitor")).toUtf8();
        connected = pa_stream_connect_record(session->stream, monitor.constData(), &attr, PA_STREAM_ADJUST_LATENCY);
    }
    pa_threaded_mainloop_unlock(session->loop);
    if (connected < 0)
        return fail("the recording was refused");
    const bool streamSettled = session->waitFor(
        [&] { return session->streamState == PA_STREAM_READY || !PA_STREAM_IS_GOOD(session->streamState); });
    if (!streamSettled || session->streamState != PA_STREAM_READY)
        return fail("the recording did not start");

    {
        std::lock_guard<std::mutex> lock(session->ownerMutex);
        session->owner = this;
    }
    m_session = std::move(session);
    return 0;
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
    // A server that stalls must not hold the window: the clean-up gets the
    // bound, and past it finishes on its own.
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    std::thread([session, finished] {
        session->release();
        finished->set_value();
    }).detach();
    done.wait_for(std::chrono::milliseconds(kStopBoundMs - 50));
}
