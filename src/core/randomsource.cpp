#include "randomsource.h"

#include <chrono>
#include <random>

namespace lumetra {

namespace {

class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom()
        : m_engine(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
    {
    }
    double next() override { return m_distribution(m_engine); }

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_distribution{0.0, 1.0};
};

} // namespace

std::unique_ptr<RandomSource> RandomSource::clockSeeded()
{
    return std::make_unique<ClockSeededRandom>();
}

} // namespace lumetra
