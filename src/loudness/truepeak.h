#pragma once

#include <cstddef>
#include <vector>

namespace lumetra {

// The true peak of interleaved float audio: the loudest of its samples and of the values between them at
// four times the rate, interpolated by a 12-tap windowed sinc per phase. Stretches whose samples cannot
// lead between them to a new maximum are not interpolated, which leaves most of the work undone.
class TruePeak
{
public:
    explicit TruePeak(int channels);
    void add(const float *frames, std::size_t count);
    // Linear; 1 is full scale.
    double peak() const { return m_peak; }

private:
    void interpolate(const float *samples, std::size_t count);

    int m_channels;
    std::vector<std::vector<float>> m_history; // per channel, the samples the next points need
    std::vector<float> m_work;
    float m_peak = 0;
};

} // namespace lumetra
