#include "output.h"

#include "deck.h"

#include <QFile>
#include <QtEndian>

#include <gst/app/gstappsrc.h>

#include <chrono>
#include <thread>

namespace lumetra::sound {

namespace {

constexpr qint64 kFrameBytes = kChannels * sizeof(qint16);

// The sound card through GStreamer: appsrc → convert → the desktop's sink. appsrc blocks while it holds
// its fill, so the mixer runs as fast as the card plays and no faster.
class SoundCard final : public Output
{
public:
    bool open(QString *error)
    {
        GError *failure = nullptr;
        m_pipeline =
            gst_parse_launch("appsrc name=src format=time block=true max-bytes=7056 "
                             "caps=audio/x-raw,format=S16LE,layout=interleaved,rate=44100,channels=2 ! "
                             "audioconvert ! audioresample ! autoaudiosink name=sink",
                             &failure);
        if (!m_pipeline) {
            *error = failure ? QString::fromUtf8(failure->message) : QString();
            g_clear_error(&failure);
            return false;
        }
        // A short buffer in the sink keeps a skip quick to hear.
        g_signal_connect(m_pipeline, "deep-element-added", G_CALLBACK(+[](GstBin *, GstBin *, GstElement *e) {
                             if (g_object_class_find_property(G_OBJECT_GET_CLASS(e), "buffer-time"))
                                 g_object_set(e, "buffer-time", gint64(60000), "latency-time", gint64(10000),
                                              nullptr);
                         }),
                         nullptr);
        m_source = gst_bin_get_by_name(GST_BIN(m_pipeline), "src");
        if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
            *error = QStringLiteral("the sound output cannot be opened");
            return false;
        }
        return true;
    }
    ~SoundCard() override
    {
        if (m_source)
            gst_object_unref(m_source);
        if (m_pipeline) {
            gst_element_set_state(m_pipeline, GST_STATE_NULL);
            gst_object_unref(m_pipeline);
        }
    }
    bool write(const qint16 *frames, qint64 count) override
    {
        GstBuffer *buffer = gst_buffer_new_memdup(frames, count * kFrameBytes);
        GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(m_written, GST_SECOND, kRate);
        GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(count, GST_SECOND, kRate);
        m_written += count;
        return gst_app_src_push_buffer(GST_APP_SRC(m_source), buffer) == GST_FLOW_OK;
    }

private:
    GstElement *m_pipeline = nullptr;
    GstElement *m_source = nullptr;
    quint64 m_written = 0;
};

// A 16-bit stereo WAV file written at the pace of a sound card. Its header is brought up to date every
// tenth of a second, so a file whose writer was killed still reads to within that of its end. Without a
// file name it only keeps the pace: the stand-in for a machine where no sound output opens at all.
class WavFile final : public Output
{
public:
    bool open(const QString &path, QString *error)
    {
        m_start = std::chrono::steady_clock::now();
        if (path.isEmpty())
            return true;
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            *error = m_file.errorString();
            return false;
        }
        return writeHeader();
    }
    ~WavFile() override
    {
        if (m_file.isOpen())
            writeHeader();
    }
    bool write(const qint16 *frames, qint64 count) override
    {
        m_frames += count;
        if (m_file.isOpen()) {
            const qint64 bytes = count * kFrameBytes;
            if (m_file.write(reinterpret_cast<const char *>(frames), bytes) != bytes)
                return false;
            if (m_frames - m_framesInHeader >= kRate / 10 && !writeHeader())
                return false;
        }
        // A little ahead of the clock, as a sound card's buffer would be.
        std::this_thread::sleep_until(m_start + std::chrono::microseconds(m_frames * 1000000 / kRate) -
                                      std::chrono::milliseconds(20));
        return true;
    }

private:
    bool writeHeader()
    {
        const quint32 data = static_cast<quint32>(m_frames * kFrameBytes);
        char header[44] = {'R', 'I', 'F', 'F', 0,  0, 0,   0,   'W', 'A', 'V', 'E', 'f', 'm', 't',
                           ' ', 16,  0,   0,   0,  1, 0,   0,   0,   0,   0,   0,   0,   0,   0,
                           0,   0,   0,   0,   16, 0, 'd', 'a', 't', 'a', 0,   0,   0,   0};
        qToLittleEndian<quint32>(36 + data, header + 4);
        qToLittleEndian<quint16>(kChannels, header + 22);
        qToLittleEndian<quint32>(kRate, header + 24);
        qToLittleEndian<quint32>(kRate * kFrameBytes, header + 28);
        qToLittleEndian<quint16>(kFrameBytes, header + 32);
        qToLittleEndian<quint32>(data, header + 40);
        const qint64 end = m_file.pos();
        const bool written = m_file.seek(0) && m_file.write(header, sizeof header) == sizeof header &&
                             m_file.seek(std::max<qint64>(end, sizeof header));
        m_framesInHeader = m_frames;
        return written;
    }

    QFile m_file;
    std::chrono::steady_clock::time_point m_start;
    qint64 m_frames = 0;
    qint64 m_framesInHeader = 0;
};

} // namespace

std::unique_ptr<Output> Output::open(QString *error)
{
    const QString wav = qEnvironmentVariable("LUMETRA_AUDIO_OUT");
    if (!wav.isEmpty()) {
        auto file = std::make_unique<WavFile>();
        return file->open(wav, error) ? std::move(file) : nullptr;
    }
    auto card = std::make_unique<SoundCard>();
    if (card->open(error))
        return card;
    auto clock = std::make_unique<WavFile>();
    clock->open({}, error);
    return clock;
}

} // namespace lumetra::sound
