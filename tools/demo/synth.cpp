#include "synth.h"

#include "albums.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumetra::demo {

namespace {

constexpr int kRate = Audio::kSampleRate;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kTableSize = 4096;

constexpr std::array<std::array<int, 7>, 5> kModes = {{
    {0, 2, 4, 5, 7, 9, 11}, // ionian
    {0, 2, 4, 6, 7, 9, 11}, // lydian
    {0, 2, 4, 5, 7, 9, 10}, // mixolydian
    {0, 2, 3, 5, 7, 9, 10}, // dorian
    {0, 2, 3, 5, 7, 8, 10}, // aeolian
}};

// Chord roots as scale degrees; only the first few are used in a short track.
constexpr std::array<std::array<int, 4>, 7> kProgressions = {{
    {0, 4, 5, 3},
    {0, 5, 3, 4},
    {5, 3, 0, 4},
    {0, 3, 4, 3},
    {0, 2, 3, 4},
    {3, 4, 2, 5},
    {0, 3, 5, 4},
}};

// Table lookup is several times cheaper than std::sin, which matters for ~25 M samples.
const std::array<float, kTableSize + 1> &sineTable()
{
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i)
            t[i] = static_cast<float>(std::sin(kTwoPi * i / kTableSize));
        return t;
    }();
    return table;
}

// Fractional part without std::floor, which is a library call on baseline x86-64.
inline double wrap(double cycles)
{
    const double f = cycles - static_cast<double>(static_cast<long long>(cycles));
    return f < 0 ? f + 1.0 : f;
}

inline float sine(double cycles)
{
    const double x = wrap(cycles) * kTableSize;
    const int whole = static_cast<int>(x);
    const float f = static_cast<float>(x - whole);
    const int i = whole & (kTableSize - 1); // x may round up to exactly kTableSize
    const auto &t = sineTable();
    return t[i] + (t[i + 1] - t[i]) * f;
}

inline float triangle(double cycles)
{
    const float p = static_cast<float>(wrap(cycles));
    return p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
}

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

struct Mix {
    std::vector<float> left;
    std::vector<float> right;
};

enum class Voice { Pluck, Bell, ElectricPiano, Marimba, Flute, Glass, PadTriangle, PadChoir, PadOrgan, Bass };

struct Partial {
    double ratio;
    float amp;
    double decay; // extra exponential decay per second on top of the envelope
};

// A voice is a few sine partials (or a triangle), optionally phase-modulated, under an envelope.
struct Shape {
    double attack;  // seconds
    double decay;   // exponential decay rate per second, 0 = held
    double release; // seconds after the note's length
    std::vector<Partial> partials;
    bool triangle = false;
    double fmRatio = 0;
    double fmIndex = 0; // in cycles
    double fmDecay = 0;
    bool vibrato = false;
};

Shape shapeOf(Voice voice)
{
    switch (voice) {
    case Voice::Pluck: {
        // Upper partials die away first, as on a plucked string.
        Shape shape{0.004, 2.2, 0.25, {}};
        for (int h = 1; h <= 6; ++h)
            shape.partials.push_back({static_cast<double>(h), 0.6f / h, 3.0 * (h - 1)});
        return shape;
    }
    case Voice::Bell:
        return {0.002, 2.0, 0.6, {{1, 1, 0}}, false, 3.5, 0.25, 3.0};
    case Voice::ElectricPiano:
        return {0.003, 1.6, 0.3, {{1, 1, 0}}, false, 1.0, 0.3, 4.0};
    case Voice::Marimba:
        return {0.002, 5.0, 0.15, {{1, 1, 0}, {3.93, 0.35f, 18}}};
    case Voice::Flute:
        return {0.06, 0.0, 0.12, {{1, 1, 0}, {2, 0.12f, 0}}, false, 0, 0, 0, true};
    case Voice::Glass:
        return {0.01, 1.4, 0.5, {{1, 1, 0}, {2, 0.4f, 3}}};
    case Voice::PadTriangle:
        return {0.25, 0.0, 0.5, {{1, 0.8f, 0}}, true};
    case Voice::PadChoir:
        return {0.35, 0.0, 0.6, {{1, 1, 0}, {2, 0.3f, 0}, {3, 0.1f, 0}}};
    case Voice::PadOrgan:
        return {0.08, 0.0, 0.25, {{1, 0.6f, 0}, {2, 0.3f, 0}, {4, 0.15f, 0}}};
    case Voice::Bass:
        return {0.008, 2.5, 0.12, {{1, 1, 0}, {2, 0.25f, 0}}};
    }
    return {0.01, 0.0, 0.1, {{1, 1, 0}}};
}

void addNote(Mix &mix, Voice voice, double start, double length, double midi, double gain, double pan)
{
    const Shape shape = shapeOf(voice);
    const double freq = midiToHz(midi);
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    if (first >= mix.left.size())
        return;
    const std::size_t count = std::min<std::size_t>(
        static_cast<std::size_t>((length + shape.release) * kRate), mix.left.size() - first);
    const float gl = static_cast<float>(gain * std::sqrt(0.5 * (1.0 - pan)));
    const float gr = static_cast<float>(gain * std::sqrt(0.5 * (1.0 + pan)));

    // Decays advance by one multiplication per sample; std::exp per sample dominated the run time.
    const double decayStep = std::exp(-shape.decay / kRate);
    const double fmStep = std::exp(-shape.fmDecay / kRate);
    std::array<double, 8> amps{};
    std::array<double, 8> steps{};
    const std::size_t partialCount = std::min(shape.partials.size(), amps.size());
    for (std::size_t k = 0; k < partialCount; ++k) {
        amps[k] = shape.partials[k].amp;
        steps[k] = std::exp(-shape.partials[k].decay / kRate);
    }
    double decay = 1.0;
    double fmIndex = shape.fmIndex;

    for (std::size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kRate;
        double amp = decay;
        decay *= decayStep;
        if (t < shape.attack)
            amp *= t / shape.attack;
        if (t > length)
            amp *= std::max(0.0, 1.0 - (t - length) / shape.release);

        double phase = freq * t;
        if (shape.vibrato) {
            // A 5 Hz, 0.5 % vibrato fading in, as the integral of the frequency wobble.
            const double depth = 0.005 * std::min(1.0, t / 0.4);
            phase -= freq * depth * sine(5.0 * t + 0.25) / (kTwoPi * 5.0);
        }
        if (shape.fmIndex > 0) {
            phase += fmIndex * sine(shape.fmRatio * phase);
            fmIndex *= fmStep;
        }
        float v = 0;
        if (shape.triangle) {
            v = triangle(phase) * shape.partials[0].amp;
        } else {
            for (std::size_t k = 0; k < partialCount; ++k) {
                v += sine(shape.partials[k].ratio * phase) * static_cast<float>(amps[k]);
                amps[k] *= steps[k];
            }
        }
        if (amp < 1e-5 && t > shape.attack)
            break;
        v *= static_cast<float>(amp);
        mix.left[first + n] += v * gl;
        mix.right[first + n] += v * gr;
    }
}

void addTick(Mix &mix, Rng &noise, double start, double gain)
{
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    const std::size_t count =
        std::min<std::size_t>(kRate / 20, mix.left.size() - std::min(first, mix.left.size()));
    float previous = 0;
    const double step = std::exp(-90.0 / kRate);
    double envelope = 1.0;
    for (std::size_t n = 0; n < count; ++n) {
        const float white = static_cast<float>(noise.uniform() * 2.0 - 1.0);
        // A first difference keeps only the hiss of the noise, like a closed hi-hat.
        const float hiss = white - previous;
        previous = white;
        const float amp = static_cast<float>(gain * envelope);
        envelope *= step;
        mix.left[first + n] += hiss * amp * 0.8f;
        mix.right[first + n] += hiss * amp;
    }
}

Voice leadVoice(Lead lead)
{
    switch (lead) {
    case Lead::Pluck:
        return Voice::Pluck;
    case Lead::Bell:
        return Voice::Bell;
    case Lead::ElectricPiano:
        return Voice::ElectricPiano;
    case Lead::Marimba:
        return Voice::Marimba;
    case Lead::Flute:
        return Voice::Flute;
    case Lead::Glass:
        return Voice::Glass;
    }
    return Voice::Pluck;
}

Voice padVoice(Pad pad)
{
    switch (pad) {
    case Pad::Triangle:
        return Voice::PadTriangle;
    case Pad::Choir:
        return Voice::PadChoir;
    case Pad::Organ:
        return Voice::PadOrgan;
    case Pad::Harp:
        return Voice::Pluck;
    }
    return Voice::PadTriangle;
}

void pingPongEcho(Mix &mix, double delaySeconds, double wet)
{
    const std::size_t delay = static_cast<std::size_t>(delaySeconds * kRate);
    const std::size_t size = mix.left.size();
    std::vector<float> echoL(size, 0.0f), echoR(size, 0.0f);
    const float feedback = 0.35f;
    for (std::size_t n = delay; n < size; ++n) {
        echoL[n] = mix.right[n - delay] + feedback * echoR[n - delay];
        echoR[n] = mix.left[n - delay] + feedback * echoL[n - delay];
    }
    for (std::size_t n = 0; n < size; ++n) {
        mix.left[n] += static_cast<float>(wet) * echoL[n];
        mix.right[n] += static_cast<float>(wet) * echoR[n];
    }
}

void finish(Mix &mix)
{
    float peak = 0;
    for (std::size_t n = 0; n < mix.left.size(); ++n)
        peak = std::max({peak, std::abs(mix.left[n]), std::abs(mix.right[n])});
    const float scale = peak > 0 ? 0.707f / peak : 0.0f;
    const std::size_t size = mix.left.size();
    const std::size_t fadeIn = kRate / 300;
    const std::size_t fadeOut = std::min<std::size_t>(kRate / 4, size);
    for (std::size_t n = 0; n < size; ++n) {
        float g = scale;
        if (n < fadeIn)
            g *= static_cast<float>(n) / fadeIn;
        if (n >= size - fadeOut)
            g *= static_cast<float>(
                0.5 + 0.5 * std::cos(kTwoPi / 2 * static_cast<double>(n - (size - fadeOut)) / fadeOut));
        mix.left[n] *= g;
        mix.right[n] *= g;
    }
}

} // namespace

AlbumStyle styleFor(std::uint64_t albumSeed)
{
    Rng rng(albumSeed);
    AlbumStyle style;
    style.root = 50 + rng.below(8);
    // Brighter modes more often: this is a jukebox demo, not a dirge.
    constexpr int modeWeights[] = {0, 0, 0, 1, 1, 2, 2, 3, 3, 4};
    style.mode = modeWeights[rng.below(10)];
    style.bpm = rng.range(74, 128);
    style.lead = static_cast<Lead>(rng.below(6));
    style.pad = static_cast<Pad>(rng.below(4));
    style.bass = rng.chance(0.8);
    style.ticks = rng.chance(0.45);
    style.echo = rng.range(0.12, 0.32);
    style.density = rng.range(0.45, 0.85);
    style.swing = rng.chance(0.3) ? rng.range(0.12, 0.3) : 0.0;
    return style;
}

Audio renderTrack(const AlbumStyle &style, std::uint64_t trackSeed)
{
    Rng rng(trackSeed);
    Rng noise(trackSeed ^ 0x5EEDULL);
    constexpr int transpositions[] = {0, 0, 0, 2, 5, 7, -2};
    const int root = style.root + transpositions[rng.below(7)];
    const auto &mode = kModes[static_cast<std::size_t>(style.mode)];
    const auto &progression = kProgressions[static_cast<std::size_t>(rng.below(7))];
    const double beat = 60.0 / (style.bpm * rng.range(0.94, 1.06));
    const double eighth = beat / 2;
    const double tail = 0.8;

    // Chords of two beats each, then two beats on the tonic; the whole stays within 3..6 s.
    const int maxChords = std::clamp(static_cast<int>((6.0 - tail) / beat / 2.0 - 1.0), 2, 4);
    const int chords = 2 + rng.below(maxChords - 1);
    const double seconds = (2 * chords + 2) * beat + tail;

    Mix mix;
    const std::size_t size = static_cast<std::size_t>(seconds * kRate);
    mix.left.assign(size, 0.0f);
    mix.right.assign(size, 0.0f);

    auto note = [&](int degree) {
        return root + 12 * floorDiv(degree, 7) + mode[static_cast<std::size_t>(((degree % 7) + 7) % 7)];
    };

    const Voice lead = leadVoice(style.lead);
    const Voice pad = padVoice(style.pad);
    const double leadPan = rng.range(-0.3, 0.3);
    int degree = 7 + rng.below(3); // melody position, kept within 0..11 above the tonic
    const int segments = chords + 1;

    for (int c = 0; c < segments; ++c) {
        const bool last = c == chords;
        int chordRoot = last ? 0 : progression[static_cast<std::size_t>(c % 4)];
        // Each mode has one diminished triad; the chord a third lower shares two of its notes and is
        // consonant.
        if (note(chordRoot + 4) - note(chordRoot) == 6)
            chordRoot -= 2;
        const double start = c * 2 * beat;
        const double length = 2 * beat;
        const int triad[3] = {chordRoot, chordRoot + 2, chordRoot + 4};

        if (pad == Voice::Pluck) {
            // Harp: the chord rolled upwards in eighths instead of held.
            for (int i = 0; i < 4; ++i) {
                const int d = triad[i % 3] + (i == 3 ? 7 : 0);
                addNote(mix, pad, start + i * eighth, eighth * 1.5, note(d), 0.10, i % 2 ? 0.4 : -0.4);
            }
        } else {
            const double gain = pad == Voice::PadOrgan ? 0.045 : 0.06;
            for (int d : triad) {
                // Two slightly detuned copies spread left and right give the pad its width.
                addNote(mix, pad, start, length, note(d) - 0.06, gain, -0.7);
                addNote(mix, pad, start, length, note(d) + 0.06, gain, 0.7);
            }
        }

        if (style.bass) {
            const int drop = chordRoot >= 4 ? 24 : 12;
            const int bassNote = note(chordRoot) - drop;
            addNote(mix, Voice::Bass, start, beat * 0.9, bassNote, 0.22, 0.0);
            addNote(mix, Voice::Bass, start + beat, beat * 0.8, last ? bassNote : note(chordRoot + 4) - drop,
                    0.16, 0.0);
        }

        if (style.ticks && !last) {
            for (int i = 0; i < 4; ++i)
                addTick(mix, noise, start + i * eighth + (i % 2 ? style.swing * eighth : 0),
                        i % 2 ? 0.06 : 0.03);
        }

        if (last) {
            // Resolve on the tonic nearest to where the tune is.
            degree = degree >= 4 ? 7 : 0;
            addNote(mix, lead, start, length, note(degree) + 12, 0.3, leadPan);
            continue;
        }
        for (int step = 0; step < 4;) {
            if (step > 0 && !rng.chance(style.density)) {
                ++step;
                continue;
            }
            if (step == 0) {
                // Land on the chord tone nearest the tune on the chord change.
                int best = degree;
                int bestDistance = 99;
                for (int candidate = degree - 3; candidate <= degree + 3; ++candidate) {
                    const int pc = ((candidate - chordRoot) % 7 + 7) % 7;
                    if ((pc == 0 || pc == 2 || pc == 4) && std::abs(candidate - degree) < bestDistance) {
                        best = candidate;
                        bestDistance = std::abs(candidate - degree);
                    }
                }
                degree = best;
            } else {
                constexpr int moves[] = {-2, -1, -1, 0, 1, 1, 2};
                degree += moves[rng.below(7)];
            }
            if (degree < 0)
                degree = 1;
            if (degree > 11)
                degree = 10;
            const int eighths = std::min(4 - step, 1 + rng.below(style.density > 0.65 ? 2 : 3));
            const double at = start + step * eighth + (step % 2 ? style.swing * eighth : 0);
            addNote(mix, lead, at, eighths * eighth * 0.9, note(degree) + 12, 0.26, leadPan);
            step += eighths;
        }
    }

    pingPongEcho(mix, beat * 0.75, style.echo);
    finish(mix);

    Audio audio;
    audio.left = std::move(mix.left);
    audio.right = std::move(mix.right);
    return audio;
}

} // namespace lumetra::demo
