#pragma once

#include <QByteArray>
#include <QString>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>

namespace lumetra::sound {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

// One file decoded ahead as float stereo at kRate: a playbin whose sound ends in an appsink. The engine's
// thread starts it, hears its bus and ends it; the mixer's thread reads it and never waits for it.
class Deck
{
public:
    enum class Status { Loading, Loaded, Failed };
    // Called from whatever thread GStreamer posts on: the deck `key` has news for the engine's thread.
    using Notify = std::function<void(quint64 key)>;

    // `id` is the window's name for the file, `key` the engine's for this deck (a file may be opened again).
    Deck(quint64 id, quint64 key, QByteArray path, qint64 fromMs, Notify notify);
    // Stops the pipeline; may wait for GStreamer's threads.
    ~Deck();
    Deck(const Deck &) = delete;
    Deck &operator=(const Deck &) = delete;

    quint64 id() const { return m_id; }
    quint64 key() const { return m_key; }
    const QByteArray &path() const { return m_path; }
    // Where in the file it starts.
    qint64 fromMs() const { return m_fromMs; }
    bool start();
    // From GStreamer's threads: the bus holds a message.
    void notify();
    // The engine's thread, after a notice: reads the bus. True when the status changed.
    bool poll();
    Status status() const { return m_status; }
    const QString &reason() const { return m_reason; }
    qint64 durationMs() const { return m_durationMs; }

    // The mixer's thread: takes what has been decoded until `frames` wait; never blocks.
    void fill(qint64 frames);
    qint64 buffered() const { return std::min(m_buffered, m_limit - m_read); }
    // Everything there is of the file waits in the buffer (the file ended, or broke off after it loaded).
    bool decoded() const { return m_decoded; }
    bool finished() const { return m_status == Status::Failed || (m_decoded && buffered() == 0); }
    // Interleaved frames; returns how many were there.
    qint64 read(float *out, qint64 frames);

private:
    void fail(const QString &reason);

    quint64 m_id;
    quint64 m_key;
    QByteArray m_path;
    qint64 m_fromMs;
    Notify m_notify;
    GstElement *m_pipeline = nullptr;
    GstAppSink *m_sink = nullptr;
    bool m_seeking = false;
    std::atomic<Status> m_status{Status::Loading};
    std::atomic<bool> m_broken{false}; // an error after loading: what was decoded still plays
    QString m_reason;
    std::atomic<qint64> m_durationMs{0};
    std::atomic<qint64> m_frames{0}; // the file's length in frames, 0 when not known

    std::deque<GstBuffer *> m_buffers;
    qint64 m_frontOffset = 0; // frames of the first buffer already read
    qint64 m_buffered = 0;
    qint64 m_pulled = 0;        // frames taken from the decoder
    qint64 m_read = 0;          // frames read out
    qint64 m_limit = INT64_MAX; // frames that may be read out
    qint64 m_skip = 0;          // frames before the music (an AAC encoder's priming)
    qint64 m_dropped = 0;       // of those, dropped so far
    bool m_decoded = false;
};

} // namespace lumetra::sound
