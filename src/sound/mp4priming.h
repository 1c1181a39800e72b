#pragma once

#include <QByteArray>
#include <QString>

namespace lumetra::sound {

// Where the music of an AAC track in an MP4 file starts, and how long it is, in the track's own samples.
// Encoders put priming before the music and pad the last frame; they say how much in an edit list (which
// GStreamer's demuxer applies), in an iTunSMPB tag, or, like GStreamer's own muxer, not at all.
struct Mp4Priming {
    qint64 skip = 0;    // samples to drop before the music
    qint64 length = -1; // samples of music after them; -1 when the file does not say
    qint64 rate = 0;    // the track's samples per second

    bool operator==(const Mp4Priming &) const = default;
};

// Nothing to drop for what is not an AAC track in MP4, or where the demuxer already starts at the music.
// An AAC-LC track that says nothing is taken to start after one frame, as every such encoder primes it.
Mp4Priming readMp4Priming(const QString &path);
// The same, from the file's `moov` box and what is inside it.
Mp4Priming mp4PrimingFromMovie(const QByteArray &moov);

} // namespace lumetra::sound
