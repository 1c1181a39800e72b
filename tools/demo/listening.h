#pragma once

#include <QString>

#include <vector>

namespace lumetra::demo {

struct Audio;

// A sine of `hz` at amplitude `loud`, frames `from` to `from + frames` of it, on both channels.
Audio sine(double hz, qint64 from, qint64 frames, float loud = 0.5f);
// Written as its name's extension says (.ogg, .mp3, .m4a, else WAV); false when it could not be.
bool writeByExtension(const QString &path, const Audio &audio);

// What a recording of the program's sound holds, read the way the tests and the benchmark listen to it.
struct Recording {
    static constexpr int kRate = 44100;
    std::vector<float> left; // the left channel, -1..1

    // A 16-bit stereo WAV file at kRate, as far as its header says it is written; empty when it is not one.
    static Recording read(const QString &path);
    double ms(qint64 frame) const { return frame * 1000.0 / kRate; }
    // The first and last frame louder than `threshold`, from `from` on; -1 when there is none.
    qint64 firstAbove(float threshold, qint64 from = 0) const;
    qint64 lastAbove(float threshold) const;
    // The longest run of frames quieter than `threshold` between `from` and `to`.
    qint64 longestQuiet(float threshold, qint64 from, qint64 to) const;
    // The largest step from one frame to the next between `from` and `to`.
    float largestStep(qint64 from, qint64 to) const;
    // The amplitude of a sine of `hz` over `frames` frames from `from` (Hann window), 0..1.
    double level(double hz, qint64 from, qint64 frames) const;
    // How many frames a sine of `hz` heard from `later` to `laterTo` is shifted against the same sine
    // heard from `from` to `to` and carried on (least-squares fits of both): 0 when the two are one
    // unbroken sine, within ±half a period.
    double sineShift(double hz, qint64 from, qint64 to, qint64 later, qint64 laterTo) const;
};

} // namespace lumetra::demo
