// What the listener hears: the real window and sound engine on generated sines, the engine's output written
// to a WAV file (LUMETRA_AUDIO_OUT) and read back.
#include "e2e/realwindow.h"
#include "loudness/loudness.h"
#include "playback/soundsettings.h"

#include <cmath>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

constexpr qint64 kRate = demo::Audio::kSampleRate;
constexpr float kLoud = 0.5f;
// Sines of whole periods: 441 Hz repeats every 100 frames, 630 Hz every 70, so a file of whole periods
// ends on a zero as music ends in silence.
constexpr double kLow = 441;
constexpr double kHigh = 630;

class Listening : public RealWindow
{
protected:
    void SetUp() override
    {
        RealWindow::SetUp();
        qputenv("LUMETRA_AUDIO_OUT", QFile::encodeName(m_dir.filePath(u"heard.wav"_s)));
    }
    void TearDown() override
    {
        RealWindow::TearDown();
        m_loudness.reset();
        qunsetenv("LUMETRA_AUDIO_OUT");
    }

    // The window over albums of these titles, autoplay off, crossfading `crossfade` seconds between albums,
    // loudness levelled or not.
    void start(const QStringList &titles, int crossfade, bool levelling = false)
    {
        writeAlbums(titles);
        ASSERT_TRUE((SoundSettings{crossfade, levelling}.save(m_app.file(SoundSettings::fileName()))));
        m_loudness = std::make_unique<Loudness>(m_dir.filePath(u"loudness.cache"_s));
        showWindow("000", m_loudness.get());
    }
    // The album's cover clicked, then its first track.
    void playFirst(const QString &title)
    {
        open(title);
        clickRow("List1", 0);
    }
    // What was heard once the player has stopped (or after `ms`).
    demo::Recording heard(int ms)
    {
        waitFor([this] { return !m_player->isPlaying(); }, ms);
        waitFor([] { return false; }, 300); // the engine writes the last of it
        return demo::Recording::read(m_dir.filePath(u"heard.wav"_s));
    }

    std::unique_ptr<Loudness> m_loudness;
};

struct Format {
    const char *extension;
    // MP3 codes a sound that starts or stops at full height with a little noise around the cut.
    float steepestAtJoin;
};

class GaplessFormats : public Listening, public ::testing::WithParamInterface<Format>
{
};

// One sine cut in two files of one album at a point that is no period's end: played in order it sounds
// as one, with nothing lost, added or shifted where the files meet. The crossfade is on, and not used.
TEST_P(GaplessFormats, ASineSplitInTwoFilesOfOneAlbumPlaysAsOne)
{
    // The next file is asked for as soon as the first starts; a first file this long leaves a loaded machine
    // time to open the second before the join.
    const qint64 first = kRate * 3 + 37;
    const qint64 second = kRate * 7 / 10 - 37;
    start({u"Split"_s}, 4);
    const QString format = QString::fromLatin1(GetParam().extension);
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"01 a."_s + format, demo::sine(kLow, 0, first, kLoud)));
    ASSERT_TRUE(
        demo::writeByExtension(folder(0) + u"02 b."_s + format, demo::sine(kLow, first, second, kLoud)));
    playFirst(u"Split"_s);
    const demo::Recording heard = this->heard(10000);
    const qint64 start = heard.firstAbove(0.05f) - 2; // the sine's first frames are quieter than that
    const qint64 end = heard.lastAbove(0.05f) + 1;
    const qint64 join = start + first;
    ASSERT_GT(start, 0) << "nothing heard";
    EXPECT_NEAR(end - start, first + second, 2);
    EXPECT_LT(heard.longestQuiet(0.01f, start, end), kRate / 1000);
    EXPECT_NEAR(heard.sineShift(kLow, start + 441, join - 2205, join + 2205, end - 441), 0, 0.3);
    EXPECT_LT(heard.largestStep(join - 441, join + 441), GetParam().steepestAtJoin);
}

INSTANTIATE_TEST_SUITE_P(Formats, GaplessFormats,
                         ::testing::Values(Format{"wav", 0.035f}, Format{"ogg", 0.04f}, Format{"mp3", 0.2f},
                                           Format{"m4a", 0.2f}),
                         [](const auto &info) { return std::string(info.param.extension); });

// Plays, Shuffled, Collected, Refilled: album A, then album B crossfading for 4 s, opened in turn or picked
// in Shuffle All, a collection of A and B, Jukebox mode's refill (party mode off), stopped once B sounds
// alone. Skip, Stop: one album without a crossfade, the first track after a second.
enum Act { Plays, Shuffled, Collected, Refilled, Skip, Stop };

class Transitions : public Listening, public ::testing::WithParamInterface<Act>
{
};

// A low sine, then a high one: how long they sound together, how the one fades as the other rises, and
// that no step is ever heard.
TEST_P(Transitions, TheTwoTracksMeetAsTheSettingsSay)
{
    const Act act = GetParam();
    const bool twoAlbums = act < Skip;
    const qint64 seconds = twoAlbums ? 5 : 2;      // each sine's length
    const double overlapMs = twoAlbums ? 4000 : 0; // how long both sound at once
    start(twoAlbums ? QStringList{u"A"_s, u"B"_s} : QStringList{u"A"_s}, twoAlbums ? 4 : 0);
    ASSERT_TRUE(
        demo::writeByExtension(folder(0) + u"01 low.wav"_s, demo::sine(kLow, 0, seconds * kRate, kLoud)));
    // Where the pickers go on after B, B lasts long enough to sound alone before it crossfades again.
    const bool picked = act >= Shuffled && act <= Refilled;
    ASSERT_TRUE(demo::writeByExtension(folder(twoAlbums ? 1 : 0) + u"02 high.wav"_s,
                                       demo::sine(kHigh, 0, (picked ? 2 : 1) * seconds * kRate, kLoud)));
    if (picked) {
        m_random.script = {0, 0, 0.9, 0}; // A, then B drawn ahead
        if (act == Shuffled) {
            m_window->playback().mnurandom();
        } else if (act == Refilled) {
            m_window->playback().jukeboxmode();
            m_window->playback().play();
        } else {
            ASSERT_TRUE(writeFile(m_app.file(u"Both.ply"_s), "A\r\nB\r\n"));
            m_window->collections().mnucoll();
            m_window->collections().collpicclick(0);
        }
        ASSERT_TRUE(waitFor(
            [this] { return m_player->url().endsWith(u"high.wav"_s) && m_player->position() >= 4500; },
            12000));
        m_player->stop();
    } else {
        playFirst(u"A"_s);
        if (twoAlbums)
            open(u"B"_s); // opened while A plays: its first track follows
    }
    if (act >= Skip) {
        ASSERT_TRUE(waitFor([this] { return m_player->position() >= 1000; }, 5000));
        act == Skip ? m_window->playback().skip() : m_player->stop();
    }
    const demo::Recording heard = this->heard(15000);
    const qint64 start = heard.firstAbove(0.05f);
    ASSERT_GT(start, 0) << "nothing heard";
    // Each sine's level, 20 ms at a time every 10 ms.
    constexpr qint64 kHop = kRate / 100;
    std::vector<double> low, high;
    for (qint64 at = start; at + 2 * kHop < qint64(heard.left.size()); at += kHop) {
        low.push_back(heard.level(kLow, at, 2 * kHop) / kLoud);
        high.push_back(heard.level(kHigh, at, 2 * kHop) / kLoud);
    }
    // The longest stretch where both sound (a window across a sine's end hears a little of everything).
    std::vector<size_t> both, run;
    for (size_t i = 0; i < low.size(); ++i) {
        if (low[i] > 0.02 && high[i] > 0.02)
            run.push_back(i);
        else
            run.clear();
        if (run.size() > both.size())
            both = run;
    }
    EXPECT_NEAR(both.size() * 10.0, overlapMs, 150);
    if (!both.empty() && overlapMs > 0) {
        // Equal power: each at 0.71 halfway; the one falls and the other rises throughout.
        const size_t middle = both[both.size() / 2];
        EXPECT_NEAR(low[middle], M_SQRT1_2, 0.06);
        EXPECT_NEAR(high[middle], M_SQRT1_2, 0.06);
        for (size_t i = both.front() + 1; i <= both.back(); ++i) {
            EXPECT_LT(low[i], low[i - 1] + 0.02) << i;
            EXPECT_GT(high[i], high[i - 1] - 0.02) << i;
        }
    }
    if (act >= Skip) {
        const auto fading =
            std::count_if(low.begin(), low.end(), [](double v) { return v > 0.05 && v < 0.95; });
        EXPECT_GE(fading * 10, 100 - 20);
        EXPECT_LE(fading * 10, 200 + 20);
        // Skipped, the next track follows the fade at once (skipped a second in, faded within 0.2 s, with
        // room to spare); stopped, nothing follows.
        const auto rises =
            std::find_if(high.begin(), high.end(), [](double v) { return v > 0.5; }) - high.begin();
        EXPECT_EQ(rises < std::ssize(high) && rises * 10 < 1600, act == Skip) << rises * 10;
    }
    // The steepest these sines make from one frame to the next, both at once at most.
    EXPECT_LT(heard.largestStep(0, heard.left.size()), 1.05 * 2 * M_PI * (kLow + kHigh) / kRate * kLoud);
}

std::string transitionName(const ::testing::TestParamInfo<Act> &info)
{
    static const char *const names[] = {"CrossfadeBetweenAlbums", "CrossfadeInShuffleAll",
                                        "CrossfadeInCollections", "CrossfadeInTheRefill",
                                        "SkipFadesOut",           "StopFadesOut"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Sound, Transitions,
                         ::testing::Values(Plays, Shuffled, Collected, Refilled, Skip, Stop), transitionName);

// Two albums 10 LU apart, untagged, measured in the background once the catalogue is read, then queued in
// Jukebox mode: each is heard at the same loudness.
TEST_F(Listening, AlbumsOfDifferentLoudnessSoundEvenInJukeboxMode)
{
    const qint64 length = 2 * kRate;
    ASSERT_TRUE(QDir().mkpath(folder(0)) && QDir().mkpath(folder(1)));
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"01 loud.ogg"_s, demo::sine(kLow, 0, length, kLoud)));
    ASSERT_TRUE(demo::writeByExtension(folder(1) + u"01 quiet.mp3"_s,
                                       demo::sine(kLow, 0, length, kLoud / std::sqrt(10.0f))));
    start({u"A"_s, u"B"_s}, 0, true);
    ASSERT_TRUE(waitFor([this] { return m_loudness->measured() == 2; }, 10000)) << m_loudness->measured();
    m_window->playback().jukeboxmode();
    playFirst(u"A"_s);
    playFirst(u"B"_s);
    ASSERT_TRUE(waitFor(
        [this] { return m_player->url().endsWith(u"quiet.mp3"_s) && m_player->position() >= 1500; }, 10000));
    const demo::Recording heard = demo::Recording::read(m_dir.filePath(u"heard.wav"_s));
    const qint64 start = heard.firstAbove(0.01f);
    ASSERT_GT(start, 0) << "nothing heard";
    const double loud = heard.level(kLow, start + kRate / 2, kRate / 2);
    const double quietHeard = heard.level(kLow, start + length + kRate / 2, kRate / 2);
    ASSERT_GT(quietHeard, 0);
    EXPECT_NEAR(20 * std::log10(loud / quietHeard), 0, 1);
}

} // namespace
