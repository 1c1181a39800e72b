#include "listening.h"

#include "audiofile.h"
#include "synth.h"

#include <QFile>
#include <QtEndian>

#include <gst/gst.h>

#include <algorithm>
#include <cmath>

namespace lumetra::demo {

Audio sine(double hz, qint64 from, qint64 frames, float loud)
{
    Audio audio;
    for (qint64 n = from; n < from + frames; ++n) {
        const float v = loud * static_cast<float>(std::sin(2 * M_PI * hz * n / Recording::kRate));
        audio.left.push_back(v);
        audio.right.push_back(v);
    }
    return audio;
}

namespace {

// AAC in MP4 as GStreamer's own encoder and muxer make it: a frame of priming, and no word of it in the
// file. The movie's time scale is the sample rate, so the file's end is cut exactly where the music ends.
bool writeM4a(const QString &path, const Audio &audio)
{
    const QString wav = path + QStringLiteral(".wav");
    QString error;
    if (!writeWav(wav, audio, &error))
        return false;
    gst_init(nullptr, nullptr);
    const QByteArray description =
        "filesrc name=in ! wavparse ! audioconvert ! avenc_aac ! mp4mux movie-timescale=" +
        QByteArray::number(Recording::kRate) + " ! filesink name=out";
    GstElement *pipeline = gst_parse_launch(description.constData(), nullptr);
    bool ok = false;
    if (pipeline) {
        for (const auto &[name, file] : {std::pair{"in", wav}, std::pair{"out", path}}) {
            GstElement *element = gst_bin_get_by_name(GST_BIN(pipeline), name);
            g_object_set(element, "location", QFile::encodeName(file).constData(), nullptr);
            gst_object_unref(element);
        }
        gst_element_set_state(pipeline, GST_STATE_PLAYING);
        GstBus *bus = gst_element_get_bus(pipeline);
        GstMessage *end = gst_bus_timed_pop_filtered(bus, 30 * GST_SECOND,
                                                     GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        ok = end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
        if (end)
            gst_message_unref(end);
        gst_object_unref(bus);
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
    }
    QFile::remove(wav);
    return ok;
}

} // namespace

bool writeByExtension(const QString &path, const Audio &audio)
{
    QString error;
    if (path.endsWith(QStringLiteral(".m4a")))
        return writeM4a(path, audio);
    if (path.endsWith(QStringLiteral(".ogg")))
        return writeOgg(path, audio, {}, 5, &error);
    if (path.endsWith(QStringLiteral(".mp3")))
        return writeMp3(path, audio, {}, &error);
    return writeWav(path, audio, &error);
}

Recording Recording::read(const QString &path)
{
    Recording recording;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return recording;
    const QByteArray header = file.read(44);
    if (header.size() < 44 || !header.startsWith("RIFF") ||
        qFromLittleEndian<quint16>(header.constData() + 22) != 2 ||
        qFromLittleEndian<quint32>(header.constData() + 24) != kRate)
        return recording;
    const QByteArray data = file.read(qFromLittleEndian<quint32>(header.constData() + 40));
    const qint64 frames = data.size() / 4;
    recording.left.resize(frames);
    for (qint64 i = 0; i < frames; ++i)
        recording.left[i] = qFromLittleEndian<qint16>(data.constData() + 4 * i) / 32768.0f;
    return recording;
}

qint64 Recording::firstAbove(float threshold, qint64 from) const
{
    for (qint64 i = std::max<qint64>(from, 0); i < qint64(left.size()); ++i) {
        if (std::abs(left[i]) > threshold)
            return i;
    }
    return -1;
}

qint64 Recording::lastAbove(float threshold) const
{
    for (qint64 i = qint64(left.size()) - 1; i >= 0; --i) {
        if (std::abs(left[i]) > threshold)
            return i;
    }
    return -1;
}

qint64 Recording::longestQuiet(float threshold, qint64 from, qint64 to) const
{
    qint64 longest = 0;
    qint64 run = 0;
    for (qint64 i = std::max<qint64>(from, 0); i < std::min<qint64>(to, left.size()); ++i) {
        run = std::abs(left[i]) < threshold ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

float Recording::largestStep(qint64 from, qint64 to) const
{
    float largest = 0;
    for (qint64 i = std::max<qint64>(from, 0); i + 1 < std::min<qint64>(to, left.size()); ++i)
        largest = std::max(largest, std::abs(left[i + 1] - left[i]));
    return largest;
}

double Recording::level(double hz, qint64 from, qint64 frames) const
{
    double re = 0;
    double im = 0;
    double weight = 0;
    for (qint64 k = 0; k < frames && from + k < qint64(left.size()); ++k) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * k / frames);
        const double phase = 2 * M_PI * hz * k / kRate;
        re += left[from + k] * hann * std::cos(phase);
        im += left[from + k] * hann * std::sin(phase);
        weight += hann;
    }
    return weight > 0 ? 2 * std::hypot(re, im) / weight : 0;
}

namespace {

// The phase of x ≈ A·sin(wn + phase) over the frames from `from` to `to` (normal equations of the fit).
double phase(const std::vector<float> &x, double w, qint64 from, qint64 to)
{
    double ss = 0, sc = 0, cc = 0, xs = 0, xc = 0;
    for (qint64 n = std::max<qint64>(from, 0); n < std::min<qint64>(to, x.size()); ++n) {
        const double s = std::sin(w * n);
        const double c = std::cos(w * n);
        ss += s * s;
        sc += s * c;
        cc += c * c;
        xs += x[n] * s;
        xc += x[n] * c;
    }
    const double det = ss * cc - sc * sc;
    return det == 0 ? 0 : std::atan2((xc * ss - xs * sc) / det, (xs * cc - xc * sc) / det);
}

} // namespace

double Recording::sineShift(double hz, qint64 from, qint64 to, qint64 later, qint64 laterTo) const
{
    const double w = 2 * M_PI * hz / kRate;
    const double turn = std::remainder(phase(left, w, from, to) - phase(left, w, later, laterTo), 2 * M_PI);
    return turn / w;
}

} // namespace lumetra::demo
