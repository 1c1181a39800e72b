#pragma once

#include <QString>

#include <optional>

namespace lumetra {

// A file's own loudness tags, read with TagLib: ReplayGain (ID3v2 TXXX, Vorbis comments, APE, MP4 free-form
// atoms) or R128 (Q7.8 dB relative to -23 LUFS). Gains are in dB towards -18 LUFS, peaks linear.
struct GainTags {
    std::optional<double> trackGain;
    std::optional<double> trackPeak;
    std::optional<double> albumGain;
    std::optional<double> albumPeak;
    double seconds = 0; // the file's length as its headers give it; 0 when unknown
};

// Nothing in it when the file cannot be read or carries no such tag.
GainTags readGainTags(const QString &path);

} // namespace lumetra
