#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace lumetra {

struct Measured {
    double loudness = 0; // integrated, LUFS; minus infinity for silence
    double truePeak = 0; // linear, of the loudest channel
    double seconds = 0;
};

enum class MeasureWork { Measure, DecodeOnly };

// Decodes `path` through GStreamer to floats and, unless told to decode only, measures its EBU R128
// integrated loudness and true peak with libebur128. Runs on the calling thread and on streaming threads of
// its own, all at the lowest priority on one processor. `goOn` is asked between buffers: it may wait (a
// pause) and returns false to give up. nullopt, with `error` set, when the file cannot be decoded or the
// measurement was given up.
std::optional<Measured> measureLoudness(const QString &path, const std::function<bool()> &goOn,
                                        QString *error, MeasureWork work = MeasureWork::Measure);

// Puts the calling thread at the lowest priority (nice 19) on the one processor background work shares.
void moveToBackground();

} // namespace lumetra
