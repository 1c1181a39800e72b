#include "truepeak.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumetra {

namespace {

constexpr int kPhases = 4;
constexpr int kTaps = 12;
constexpr int kBefore = 6; // of the taps, those at or before the point interpolated
constexpr int kChunk = 64;

struct Filter {
    // The taps of phases 1 to 3 (phase 0 is the sample itself), the oldest sample's first.
    std::array<std::array<float, kTaps>, kPhases - 1> taps{};
    // The most a phase can give for samples no louder than 1.
    float gainBound = 0;
};

const Filter &filter()
{
    static const Filter built = [] {
        Filter f;
        for (int phase = 1; phase < kPhases; ++phase) {
            float sum = 0;
            for (int tap = 0; tap < kTaps; ++tap) {
                const double t =
                    double(phase) / kPhases + kBefore - 1 - tap; // distance from the sample at `tap`
                const double sinc = std::sin(std::numbers::pi * t) / (std::numbers::pi * t);
                const double hann = 0.5 * (1 + std::cos(std::numbers::pi * t / (kTaps / 2.0 + 0.5)));
                f.taps[phase - 1][tap] = float(sinc * hann);
                sum += std::abs(f.taps[phase - 1][tap]);
            }
            f.gainBound = std::max(f.gainBound, sum);
        }
        return f;
    }();
    return built;
}

} // namespace

TruePeak::TruePeak(int channels)
    : m_channels(channels)
    , m_history(channels, std::vector<float>(kTaps - 1, 0.0f))
{
}

void TruePeak::add(const float *frames, std::size_t count)
{
    for (int channel = 0; channel < m_channels; ++channel) {
        std::vector<float> &history = m_history[channel];
        m_work.resize(history.size() + count);
        std::copy(history.begin(), history.end(), m_work.begin());
        float *samples = m_work.data() + history.size();
        for (std::size_t i = 0; i < count; ++i)
            samples[i] = frames[i * m_channels + channel];
        std::copy(m_work.end() - (kTaps - 1), m_work.end(), history.begin());
        interpolate(m_work.data(), m_work.size());
    }
}

// Every point between samples[i] and samples[i + 1] that has its kTaps neighbours, chunk by chunk.
void TruePeak::interpolate(const float *samples, std::size_t count)
{
    const Filter &f = filter();
    const std::size_t first = kBefore - 1, end = count - (kTaps - kBefore);
    std::array<float, kChunk + kTaps> window{};
    for (std::size_t start = first; start < end; start += kChunk) {
        const std::size_t points = std::min<std::size_t>(kChunk, end - start);
        const float *from = samples + start - (kBefore - 1);
        const std::size_t span = points + kTaps - 1;
        float loudest = 0;
        for (std::size_t i = 0; i < span; ++i)
            loudest = std::max(loudest, std::abs(from[i]));
        m_peak = std::max(m_peak, loudest);
        if (loudest * f.gainBound <= m_peak)
            continue;
        std::copy(from, from + span, window.begin());
        std::array<float, kChunk> loudestOut{};
        for (const auto &taps : f.taps) {
            std::array<float, kChunk> out{};
            for (int tap = 0; tap < kTaps; ++tap)
                for (int i = 0; i < kChunk; ++i)
                    out[i] += taps[tap] * window[i + tap];
            for (int i = 0; i < kChunk; ++i)
                loudestOut[i] = std::max(loudestOut[i], std::abs(out[i]));
        }
        // Halves until one is left, in steps the compiler runs four or more at a time.
        std::fill(loudestOut.begin() + points, loudestOut.end(), 0.0f);
        for (int width = kChunk / 2; width > 0; width /= 2)
            for (int i = 0; i < width; ++i)
                loudestOut[i] = std::max(loudestOut[i], loudestOut[i + width]);
        m_peak = std::max(m_peak, loudestOut[0]);
    }
}

} // namespace lumetra
