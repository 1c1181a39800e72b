#include "deck.h"

#include "mp4priming.h"

#include <QFile>

#include <gst/app/gstappsink.h>

#include <algorithm>
#include <cmath>

namespace lumetra::sound {

namespace {

constexpr qint64 kFrameBytes = kChannels * sizeof(float);
constexpr qint64 kEndSlack = kRate / 500; // 2 ms
// playbin's flags: sound only, so covers inside files and subtitles are never decoded.
constexpr guint kPlayAudio = 0x2;

GstBusSyncReply onBusMessage(GstBus *, GstMessage *, gpointer data)
{
    auto *deck = static_cast<Deck *>(data);
    // The message stays on the bus for poll(); this only says that there is one.
    deck->notify();
    return GST_BUS_PASS;
}

} // namespace

Deck::Deck(quint64 id, quint64 key, QByteArray path, qint64 fromMs, Notify notify)
    : m_id(id)
    , m_key(key)
    , m_path(std::move(path))
    , m_fromMs(fromMs)
    , m_notify(std::move(notify))
{
}

Deck::~Deck()
{
    if (m_pipeline) {
        GstBus *bus = gst_element_get_bus(m_pipeline);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        gst_object_unref(m_pipeline);
    }
    for (GstBuffer *buffer : m_buffers)
        gst_buffer_unref(buffer);
}

void Deck::notify()
{
    m_notify(m_key);
}

bool Deck::start()
{
    GError *error = nullptr;
    GstElement *output = gst_parse_bin_from_description(
        "audioconvert ! audioresample ! "
        "capsfilter caps=audio/x-raw,format=F32LE,layout=interleaved,rate=44100,channels=2 ! "
        "appsink name=sink sync=false max-buffers=8 enable-last-sample=false",
        TRUE, &error);
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!output || !m_pipeline) {
        fail(error ? QString::fromUtf8(error->message) : QStringLiteral("GStreamer's playbin is missing"));
        if (error)
            g_error_free(error);
        if (output)
            gst_object_unref(output);
        return false;
    }
    m_sink = GST_APP_SINK(gst_bin_get_by_name(GST_BIN(output), "sink"));
    gst_object_unref(m_sink); // the bin holds it
    gchar *uri = gst_filename_to_uri(m_path.constData(), nullptr);
    g_object_set(m_pipeline, "uri", uri, "audio-sink", output, "flags", kPlayAudio, nullptr);
    g_free(uri);
    GstBus *bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, onBusMessage, this, nullptr);
    gst_object_unref(bus);
    // Started somewhere inside: preroll paused, seek, then play.
    m_seeking = m_fromMs > 0;
    if (!m_seeking) {
        const Mp4Priming priming = readMp4Priming(QFile::decodeName(m_path));
        if (priming.rate > 0) {
            m_skip = std::llround(priming.skip * double(kRate) / priming.rate);
            if (priming.length > 0)
                m_limit = std::llround(priming.length * double(kRate) / priming.rate);
        }
    }
    if (gst_element_set_state(m_pipeline, m_seeking ? GST_STATE_PAUSED : GST_STATE_PLAYING) ==
        GST_STATE_CHANGE_FAILURE) {
        poll(); // the error message says why
        if (m_status != Status::Failed)
            fail(QStringLiteral("the file cannot be opened"));
        return false;
    }
    return true;
}

void Deck::fail(const QString &reason)
{
    m_reason = reason;
    if (m_status == Status::Loaded)
        m_broken = true;
    else
        m_status = Status::Failed;
}

bool Deck::poll()
{
    const Status before = m_status;
    GstBus *bus = gst_element_get_bus(m_pipeline);
    while (GstMessage *message = gst_bus_pop(bus)) {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR: {
            GError *error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            fail(QString::fromUtf8(error->message));
            g_error_free(error);
            break;
        }
        case GST_MESSAGE_ASYNC_DONE:
            if (m_status != Status::Loading || GST_MESSAGE_SRC(message) != GST_OBJECT(m_pipeline))
                break;
            if (m_seeking) {
                m_seeking = false;
                gst_element_seek_simple(m_pipeline, GST_FORMAT_TIME,
                                        GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                        m_fromMs * GST_MSECOND);
                gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
                break;
            }
            if (gint64 duration = 0; gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &duration)) {
                m_durationMs = duration / GST_MSECOND;
                if (m_fromMs == 0)
                    m_frames = std::llround(duration * double(kRate) / GST_SECOND);
            }
            m_status = Status::Loaded;
            break;
        default:
            break;
        }
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    return m_status != before;
}

void Deck::fill(qint64 frames)
{
    if (m_status != Status::Loaded)
        return;
    while (m_buffered < frames && !m_decoded) {
        GstSample *sample = gst_app_sink_try_pull_sample(m_sink, 0);
        if (!sample) {
            m_decoded = m_broken || gst_app_sink_is_eos(m_sink);
            // Decoders that cut a file's end by time may keep a frame or two past it: the length the
            // file gives counts, where it is that close.
            if (m_decoded && m_frames > 0 && m_pulled > m_frames && m_pulled - m_frames <= kEndSlack)
                m_limit = std::min(m_limit, m_frames - m_dropped);
            return;
        }
        GstBuffer *buffer = gst_buffer_ref(gst_sample_get_buffer(sample));
        gst_sample_unref(sample);
        const qint64 frames = static_cast<qint64>(gst_buffer_get_size(buffer)) / kFrameBytes;
        m_pulled += frames;
        // The encoder's priming comes first, before anything is kept.
        const qint64 drop = std::min(m_skip - m_dropped, frames);
        m_dropped += drop;
        if (drop == frames) {
            gst_buffer_unref(buffer);
            continue;
        }
        if (m_buffers.empty())
            m_frontOffset = drop;
        m_buffers.push_back(buffer);
        m_buffered += frames - drop;
    }
}

qint64 Deck::read(float *out, qint64 frames)
{
    frames = std::min(frames, buffered());
    qint64 done = 0;
    while (done < frames && !m_buffers.empty()) {
        GstBuffer *front = m_buffers.front();
        const qint64 size = static_cast<qint64>(gst_buffer_get_size(front)) / kFrameBytes;
        const qint64 n = std::min(frames - done, size - m_frontOffset);
        gst_buffer_extract(front, m_frontOffset * kFrameBytes, out + done * kChannels, n * kFrameBytes);
        done += n;
        m_frontOffset += n;
        if (m_frontOffset == size) {
            gst_buffer_unref(front);
            m_buffers.pop_front();
            m_frontOffset = 0;
        }
    }
    m_buffered -= done;
    m_read += done;
    return done;
}

} // namespace lumetra::sound
