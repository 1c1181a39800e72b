#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace lumetra::demo {

// splitmix64: the same numbers on every compiler and standard library, which std:: distributions
// do not promise, so the demo library is identical wherever it is generated.
class Rng
{
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t next();
    double uniform();                   // [0, 1)
    double range(double lo, double hi); // [lo, hi)
    int below(int n);                   // [0, n)
    bool chance(double p) { return uniform() < p; }

private:
    std::uint64_t m_state;
};

enum class AudioFormat { Wav, Ogg, Mp3 };

struct TrackPlan {
    int number = 0;
    QString title;
    AudioFormat format = AudioFormat::Wav;
    std::uint64_t seed = 0;

    QString fileName() const;
};

struct AlbumPlan {
    QString title;     // also the album folder's name
    QString artist;    // also the artist folder's name
    QString coverFile; // empty: the album has no picture
    bool coverAsBmp = false;
    std::uint64_t seed = 0;
    std::vector<TrackPlan> tracks;
};

std::vector<AlbumPlan> demoAlbums();

} // namespace lumetra::demo
