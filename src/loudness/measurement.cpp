#include "measurement.h"

#include "truepeak.h"

#include <QFile>
#include <QMutex>

#include <ebur128.h>
#include <gst/app/gstappsink.h>
#include <gst/audio/audio.h>
#include <gst/gst.h>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <memory>
#include <optional>

namespace lumetra {

// Streaming threads of our own for the measuring pipelines: GStreamer's shared pool would hand a thread
// lowered here to the player's pipeline later, and a thread cannot raise its priority again.
struct BackgroundPool {
    GstTaskPool parent;
};
struct BackgroundPoolClass {
    GstTaskPoolClass parentClass;
};

namespace {

constexpr int kPullMs = 100;
constexpr int kEmptyPullsAtMost = 100; // ten seconds without a sample: the decoder is stuck

struct Job {
    GstTaskPoolFunction function;
    gpointer data;
};

gpointer runJob(gpointer data)
{
    const std::unique_ptr<Job> job(static_cast<Job *>(data));
    moveToBackground();
    job->function(job->data);
    return nullptr;
}

gpointer pushJob(GstTaskPool *, GstTaskPoolFunction function, gpointer data, GError **error)
{
    auto *job = new Job{function, data};
    GThread *thread = g_thread_try_new("loudness", runJob, job, error);
    if (!thread)
        delete job;
    return thread;
}

void joinJob(GstTaskPool *, gpointer id)
{
    g_thread_join(static_cast<GThread *>(id));
}

void disposeJob(GstTaskPool *, gpointer id)
{
    g_thread_unref(static_cast<GThread *>(id));
}

} // namespace

G_DEFINE_TYPE(BackgroundPool, background_pool, GST_TYPE_TASK_POOL)

static void background_pool_class_init(BackgroundPoolClass *type)
{
    type->parentClass.push = pushJob;
    type->parentClass.join = joinJob;
    type->parentClass.dispose_handle = disposeJob;
}

static void background_pool_init(BackgroundPool *)
{
}

namespace {

// What the pipeline's bus reports, gathered on whichever thread posts it.
struct BusWatch {
    GstTaskPool *pool = nullptr;
    QMutex mutex;
    QString error;
};

GstBusSyncReply onBusMessage(GstBus *, GstMessage *message, gpointer data)
{
    auto *watch = static_cast<BusWatch *>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_STREAM_STATUS) {
        GstStreamStatusType type{};
        GstElement *owner = nullptr;
        gst_message_parse_stream_status(message, &type, &owner);
        const GValue *object = gst_message_get_stream_status_object(message);
        if (type == GST_STREAM_STATUS_TYPE_CREATE && object && G_VALUE_HOLDS(object, GST_TYPE_TASK))
            gst_task_set_pool(GST_TASK(g_value_get_object(object)), watch->pool);
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const QMutexLocker lock(&watch->mutex);
        if (watch->error.isEmpty())
            watch->error = QString::fromUtf8(error ? error->message : "decoding failed");
        g_clear_error(&error);
    }
    gst_message_unref(message);
    return GST_BUS_DROP;
}

struct Unref {
    void operator()(GstElement *element) const
    {
        gst_element_set_state(element, GST_STATE_NULL);
        gst_object_unref(element);
    }
    void operator()(GstTaskPool *pool) const { gst_object_unref(pool); }
    void operator()(ebur128_state *state) const { ebur128_destroy(&state); }
    void operator()(GstSample *sample) const { gst_sample_unref(sample); }
};
template <typename T> using Owned = std::unique_ptr<T, Unref>;

// libebur128's integrated loudness and our true peak, following the stream's format; mono counts as
// both ears.
struct Meter {
    Owned<ebur128_state> state;
    std::optional<TruePeak> truePeak;
    double earlierPeak = 0; // of the stream's part in another format

    bool follow(const GstAudioInfo &info)
    {
        const int channels = GST_AUDIO_INFO_CHANNELS(&info);
        const auto rate = static_cast<unsigned long>(GST_AUDIO_INFO_RATE(&info));
        if (!state) {
            state.reset(ebur128_init(unsigned(channels), rate, EBUR128_MODE_I));
        } else if (int(state->channels) != channels || state->samplerate != rate) {
            ebur128_change_parameters(state.get(), unsigned(channels), rate);
            earlierPeak = peak();
            truePeak.reset();
        }
        if (!state)
            return false;
        if (channels == 1)
            ebur128_set_channel(state.get(), 0, EBUR128_DUAL_MONO);
        if (!truePeak)
            truePeak.emplace(channels);
        return true;
    }
    double peak() const { return std::max(earlierPeak, truePeak ? truePeak->peak() : 0.0); }
};

} // namespace

void moveToBackground()
{
    static const int cpu = [] {
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        sched_getaffinity(0, sizeof allowed, &allowed);
        for (int i = CPU_SETSIZE - 1; i > 0; --i)
            if (CPU_ISSET(i, &allowed))
                return i;
        return 0;
    }();
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cpu, &one);
    sched_setaffinity(0, sizeof one, &one);
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

std::optional<Measured> measureLoudness(const QString &path, const std::function<bool()> &goOn,
                                        QString *error, MeasureWork work)
{
    if (!gst_is_initialized())
        gst_init(nullptr, nullptr);
    // Declared before the pipeline, which calls on them until it is gone.
    const Owned<GstTaskPool> pool(GST_TASK_POOL(g_object_new(background_pool_get_type(), nullptr)));
    BusWatch watch;
    watch.pool = pool.get();
    GError *parseError = nullptr;
    Owned<GstElement> pipeline(
        gst_parse_launch("filesrc name=source ! decodebin ! audioconvert ! audio/x-raw,format=" GST_AUDIO_NE(
                             F32) ",layout=interleaved ! appsink name=sink sync=false max-buffers=4",
                         &parseError));
    if (!pipeline || parseError) {
        *error = QString::fromUtf8(parseError ? parseError->message : "no decoding pipeline");
        g_clear_error(&parseError);
        return std::nullopt;
    }
    GstBus *bus = gst_element_get_bus(pipeline.get());
    gst_bus_set_sync_handler(bus, onBusMessage, &watch, nullptr);
    gst_object_unref(bus);
    GstElement *source = gst_bin_get_by_name(GST_BIN(pipeline.get()), "source");
    g_object_set(source, "location", QFile::encodeName(path).constData(), nullptr);
    gst_object_unref(source);
    GstElement *sinkElement = gst_bin_get_by_name(GST_BIN(pipeline.get()), "sink");
    auto *sink = GST_APP_SINK(sinkElement);
    gst_object_unref(sinkElement); // the pipeline keeps it

    Meter meter;
    double seconds = 0;
    auto failed = [&](const QString &why) {
        const QMutexLocker lock(&watch.mutex);
        *error = watch.error.isEmpty() ? why : watch.error;
        return std::nullopt;
    };
    if (gst_element_set_state(pipeline.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return failed(QStringLiteral("cannot decode"));
    int emptyPulls = 0;
    while (goOn()) {
        const Owned<GstSample> sample(gst_app_sink_try_pull_sample(sink, kPullMs * GST_MSECOND));
        if (!sample) {
            if (gst_app_sink_is_eos(sink))
                break;
            const QMutexLocker lock(&watch.mutex);
            if (!watch.error.isEmpty() || ++emptyPulls > kEmptyPullsAtMost) {
                *error = watch.error.isEmpty() ? QStringLiteral("no sound from the decoder") : watch.error;
                return std::nullopt;
            }
            continue;
        }
        emptyPulls = 0;
        GstAudioInfo info;
        if (!gst_audio_info_from_caps(&info, gst_sample_get_caps(sample.get())))
            return failed(QStringLiteral("unknown sample format"));
        GstMapInfo map;
        GstBuffer *buffer = gst_sample_get_buffer(sample.get());
        if (!buffer || !gst_buffer_map(buffer, &map, GST_MAP_READ))
            continue;
        const size_t frames = map.size / GST_AUDIO_INFO_BPF(&info);
        seconds += double(frames) / GST_AUDIO_INFO_RATE(&info);
        const auto *samples = reinterpret_cast<const float *>(map.data);
        if (work == MeasureWork::Measure && meter.follow(info)) {
            ebur128_add_frames_float(meter.state.get(), samples, frames);
            meter.truePeak->add(samples, frames);
        }
        gst_buffer_unmap(buffer, &map);
    }
    if (!gst_app_sink_is_eos(sink))
        return failed(QStringLiteral("stopped"));
    Measured measured;
    measured.seconds = seconds;
    if (work == MeasureWork::DecodeOnly)
        return measured;
    if (!meter.state)
        return failed(QStringLiteral("no sound"));
    ebur128_loudness_global(meter.state.get(), &measured.loudness);
    measured.truePeak = meter.peak();
    return measured;
}

} // namespace lumetra
