#include "albums.h"

#include <QSet>

#include <iterator>

namespace lumetra::demo {

std::uint64_t Rng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Rng::range(double lo, double hi)
{
    return lo + (hi - lo) * uniform();
}

int Rng::below(int n)
{
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

QString TrackPlan::fileName() const
{
    const char *ext = format == AudioFormat::Wav ? ".wav" : format == AudioFormat::Ogg ? ".ogg" : ".mp3";
    return QStringLiteral("%1 - %2").arg(number, 2, 10, QLatin1Char('0')).arg(title) + QLatin1String(ext);
}

namespace {

struct AlbumSeed {
    const char *title;
    const char *artist;
    // One letter per track, repeated: w (.wav), o (.ogg), m (.mp3). Every album has an .ogg or .mp3, the
    // files a scan counts (a .wav plays but does not make a folder an album), so rescanning Music finds them
    // all.
    const char *formats;
    const char *cover; // file name, "" for none, "bmp" for BMP data named cover.jpg
};

// All invented. First letters leave Q, U, X and Z empty; digits and quote characters test the letter bar.
constexpr AlbumSeed kAlbums[] = {
    {"Amber Harbour Lights", "Velmora Quist", "o", "folder.jpg"},
    {"Blue Kites Over Marrow Bay", "The Paper Satellites", "m", "cover.jpg"},
    {"Clockwork Orchards", "Orrin Hatchwell", "wo", "folder.jpg"},
    {"Driftwood Arithmetic", "Cobalt Tea Ensemble", "o", "cover.jpg"},
    {"Echoes in the Tin Garden", "Velmora Quist", "wom", "folder.jpg"},
    {"Foxglove Telegraph", "The Juniper Oddments", "m", ""},
    {"Glasshouse Weather", "Isadel Vantroop", "mw", "folder.jpg"},
    {"Hollow Pines at Noon", "Orrin Hatchwell", "m", "front.jpg"},
    {"Indigo Cartography", "The Brass Lanternfish", "wo", "cover.jpg"},
    {"Jasmine Switchboard", "The Juniper Oddments", "m", "folder.jpg"},
    {"Keeper's Lantern Waltzes", "Halden & Pike", "m", "cover.jpg"},
    {"Lullabies for Lighthouses", "Isadel Vantroop", "mw", "folder.jpg"},
    {"Moss on the Metronome", "Cobalt Tea Ensemble", "om", "bmp"},
    {"Nightjar Postcards", "The Paper Satellites", "o", "folder.jpg"},
    {"Orbiting the Laundromat", "The Juniper Oddments", "wo", "cover.jpg"},
    {"Paper Boats, Iron Rivers", "Halden & Pike", "o", ""},
    {"Rust & Rosemary", "Velmora Quist", "m", "folder.jpg"},
    {"Saltwater Algebra", "The Brass Lanternfish", "o", "cover.jpg"},
    {"Tangerine Semaphore", "Orrin Hatchwell", "mw", "folder.jpg"},
    {"Velvet Static Mornings", "Isadel Vantroop", "m", "cover.jpg"},
    {"Windmills of Quiet Copper", "Cobalt Tea Ensemble", "wo", "folder.jpg"},
    {"Yarrow and the Slow Comet", "The Paper Satellites", "mw", "artwork.jpeg"},
    {"Gravel Hymns", "Halden & Pike", "wo", "folder.jpg"},
    {"Saffron Tramlines", "The Juniper Oddments", "mw", "cover.jpg"},
    {"Marigold Relay", "The Brass Lanternfish", "m", "folder.jpg"},
    {"1999 Nights on the Causeway", "Orrin Hatchwell", "o", "cover.jpg"},
    {"4 Seasons of Tin Rain", "Isadel Vantroop", "mw", ""},
    {"'Tween Lamplight and Dawn", "Velmora Quist", "o", "folder.jpg"},
    {"\"Nearly\" Midnight Radio", "The Paper Satellites", "m", "cover.jpg"},
    {"Bramble Cathedral", "Cobalt Tea Ensemble", "ow", "folder.jpg"},
};

constexpr const char *kAdjectives[] = {
    "Slow",   "Paper",  "Copper",  "Quiet",   "Small",   "Velvet", "Hollow",   "Silver", "Tidal",   "Sleepy",
    "Golden", "Little", "Distant", "Woollen", "Crooked", "Gentle", "Northern", "Faded",  "Lantern", "Amber",
};
constexpr const char *kNouns[] = {
    "Ferry", "Orchard", "Kettle",      "Comet",  "Harbour",  "Staircase", "Postcard",
    "Tram",  "Meadow",  "Weathervane", "Window", "Bicycle",  "Garden",    "Clocktower",
    "River", "Attic",   "Signal",      "Parade", "Umbrella", "Balcony",
};
constexpr const char *kEndings[] = {
    "", "", "", " Waltz", " at Dawn", " in Blue", " Song", " (Interlude)", " at Dusk", " Overture",
};

template <typename T, std::size_t N> const T &pick(Rng &rng, const T (&items)[N])
{
    return items[rng.below(static_cast<int>(N))];
}

// Titles within an album share no word and no ending, so a track list reads as varied.
QString trackTitle(Rng &rng, QSet<QString> &used)
{
    for (;;) {
        const QString adjective = QLatin1String(pick(rng, kAdjectives));
        const QString noun = QLatin1String(pick(rng, kNouns));
        const QString ending = QLatin1String(pick(rng, kEndings));
        if (used.contains(adjective) || used.contains(noun) || (!ending.isEmpty() && used.contains(ending)))
            continue;
        used << adjective << noun << ending;
        return adjective + u' ' + noun + ending;
    }
}

AudioFormat formatFor(char letter)
{
    return letter == 'o' ? AudioFormat::Ogg : letter == 'm' ? AudioFormat::Mp3 : AudioFormat::Wav;
}

} // namespace

std::vector<AlbumPlan> demoAlbums()
{
    std::vector<AlbumPlan> albums;
    albums.reserve(std::size(kAlbums));
    Rng rng(0x4C756D65747261ULL);
    for (const AlbumSeed &seed : kAlbums) {
        AlbumPlan album;
        album.title = QString::fromUtf8(seed.title);
        album.artist = QString::fromUtf8(seed.artist);
        album.seed = rng.next();
        const QString cover = QString::fromUtf8(seed.cover);
        album.coverAsBmp = cover == QStringLiteral("bmp");
        album.coverFile = album.coverAsBmp ? QStringLiteral("cover.jpg") : cover;

        const int count = 3 + rng.below(3);
        const QByteArray formats(seed.formats);
        QSet<QString> used;
        for (int i = 0; i < count; ++i) {
            TrackPlan track;
            track.number = i + 1;
            track.title = trackTitle(rng, used);
            track.format = formatFor(formats.at(i % formats.size()));
            track.seed = rng.next();
            album.tracks.push_back(std::move(track));
        }
        albums.push_back(std::move(album));
    }
    return albums;
}

} // namespace lumetra::demo
