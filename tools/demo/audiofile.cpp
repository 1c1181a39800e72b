#include "audiofile.h"

#include "synth.h"

#include <QFile>
#include <QtEndian>

#include <lame/lame.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace lumetra::demo {

namespace {

qint16 toPcm16(float sample)
{
    return static_cast<qint16>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

bool openForWriting(QFile &file, QString *error)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    return false;
}

bool writeAll(QFile &file, const void *data, qint64 size, QString *error)
{
    if (file.write(static_cast<const char *>(data), size) == size)
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    return false;
}

template <typename T> void appendLE(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

} // namespace

bool writeWav(const QString &path, const Audio &audio, QString *error)
{
    constexpr quint16 channels = 2;
    constexpr quint16 bits = 16;
    const quint32 frames = static_cast<quint32>(audio.left.size());
    const quint32 dataBytes = frames * channels * (bits / 8);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    appendLE<quint32>(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    appendLE<quint32>(out, 16);
    appendLE<quint16>(out, 1); // PCM
    appendLE<quint16>(out, channels);
    appendLE<quint32>(out, Audio::kSampleRate);
    appendLE<quint32>(out, Audio::kSampleRate * channels * (bits / 8));
    appendLE<quint16>(out, channels * (bits / 8));
    appendLE<quint16>(out, bits);
    out.append("data", 4);
    appendLE<quint32>(out, dataBytes);
    for (quint32 i = 0; i < frames; ++i) {
        appendLE<qint16>(out, toPcm16(audio.left[i]));
        appendLE<qint16>(out, toPcm16(audio.right[i]));
    }

    QFile file(path);
    return openForWriting(file, error) && writeAll(file, out.constData(), out.size(), error);
}

bool writeOgg(const QString &path, const Audio &audio, const Tags &tags, std::uint32_t serial, QString *error)
{
    QFile file(path);
    if (!openForWriting(file, error))
        return false;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, Audio::kSampleRate, 0.5f) != 0) {
        vorbis_info_clear(&info);
        *error = QStringLiteral("the Vorbis encoder refused its settings");
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", tags.title.toUtf8().constData());
    vorbis_comment_add_tag(&comment, "ARTIST", tags.artist.toUtf8().constData());
    vorbis_comment_add_tag(&comment, "ALBUM", tags.album.toUtf8().constData());
    vorbis_comment_add_tag(&comment, "TRACKNUMBER", QByteArray::number(tags.track).constData());

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial & 0x7FFFFFFF));

    bool ok = true;
    ogg_page page;
    auto writePage = [&] {
        ok = ok && writeAll(file, page.header, page.header_len, error) &&
             writeAll(file, page.body, page.body_len, error);
    };

    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    // Audio must start on a fresh page after the headers.
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    const std::size_t frames = audio.left.size();
    constexpr std::size_t chunk = 4096;
    for (std::size_t at = 0; ok;) {
        const std::size_t n = std::min(chunk, frames - at);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float **buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            std::copy_n(audio.left.begin() + static_cast<std::ptrdiff_t>(at), n, buffer[0]);
            std::copy_n(audio.right.begin() + static_cast<std::ptrdiff_t>(at), n, buffer[1]);
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            at += n;
        }
        while (ok && vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ok && ogg_stream_pageout(&stream, &page) != 0)
                    writePage();
            }
        }
        if (n == 0)
            break;
    }
    while (ok && ogg_stream_flush(&stream, &page) != 0)
        writePage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok;
}

bool writeMp3(const QString &path, const Audio &audio, const Tags &tags, QString *error)
{
    QFile file(path);
    if (!openForWriting(file, error))
        return false;

    std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), &lame_close);
    lame_global_flags *gf = lame.get();
    if (!gf) {
        *error = QStringLiteral("the MP3 encoder could not start");
        return false;
    }
    lame_set_in_samplerate(gf, Audio::kSampleRate);
    lame_set_num_channels(gf, 2);
    lame_set_VBR(gf, vbr_default);
    lame_set_VBR_quality(gf, 4.0f);
    lame_set_quality(gf, 7);
    // The tag goes out by hand so that the Xing frame's place in the file is known for the final rewrite.
    lame_set_write_id3tag_automatic(gf, 0);

    // ID3v1 holds Latin-1 only; the demo's titles are plain ASCII.
    const QByteArray title = tags.title.toLatin1();
    const QByteArray artist = tags.artist.toLatin1();
    const QByteArray album = tags.album.toLatin1();
    const QByteArray track = QByteArray::number(tags.track);
    id3tag_init(gf);
    id3tag_add_v2(gf);
    id3tag_set_title(gf, title.constData());
    id3tag_set_artist(gf, artist.constData());
    id3tag_set_album(gf, album.constData());
    id3tag_set_track(gf, track.constData());
    if (lame_init_params(gf) < 0) {
        *error = QStringLiteral("the MP3 encoder refused its settings");
        return false;
    }

    std::vector<unsigned char> buffer(std::max<std::size_t>(16384, audio.left.size() * 5 / 4 + 7200));
    const std::size_t id3v2 = lame_get_id3v2_tag(gf, buffer.data(), buffer.size());
    if (!writeAll(file, buffer.data(), static_cast<qint64>(id3v2), error))
        return false;

    const int encoded = lame_encode_buffer_ieee_float(gf, audio.left.data(), audio.right.data(),
                                                      static_cast<int>(audio.left.size()), buffer.data(),
                                                      static_cast<int>(buffer.size()));
    if (encoded < 0) {
        *error = QStringLiteral("the MP3 encoder failed (%1)").arg(encoded);
        return false;
    }
    if (!writeAll(file, buffer.data(), encoded, error))
        return false;
    const int flushed = lame_encode_flush(gf, buffer.data(), static_cast<int>(buffer.size()));
    if (flushed < 0 || !writeAll(file, buffer.data(), flushed, error))
        return false;

    const std::size_t id3v1 = lame_get_id3v1_tag(gf, buffer.data(), buffer.size());
    if (!writeAll(file, buffer.data(), static_cast<qint64>(id3v1), error))
        return false;

    // The Xing/LAME frame carries the exact length and the encoder delay, for gapless, exact durations.
    const std::size_t xing = lame_get_lametag_frame(gf, buffer.data(), buffer.size());
    if (xing > 0) {
        if (!file.seek(static_cast<qint64>(id3v2)) ||
            !writeAll(file, buffer.data(), static_cast<qint64>(xing), error))
            return false;
    }
    return true;
}

} // namespace lumetra::demo
