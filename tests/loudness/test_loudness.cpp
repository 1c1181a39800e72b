#include "loudness/loudness.h"
#include "loudness/truepeak.h"

#include "listening.h"
#include "synth.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/mp4file.h>
#include <taglib/tpropertymap.h>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

// A 1 kHz tone in both channels; its loudness in LUFS is its peak level in dBFS.
demo::Audio tone(float amplitude, double seconds = 2)
{
    return demo::sine(1000, 0, qint64(seconds * demo::Audio::kSampleRate), amplitude);
}

// A -40 dBFS tone with, every second, 2 ms at a quarter of the rate whose samples (at 45 degrees) miss its
// 0.5 peak by 3 dB: quiet, yet only 5 dB below the ceiling.
demo::Audio hot()
{
    demo::Audio audio = tone(0.01, 3);
    for (size_t i = 0; i < audio.left.size(); i += demo::Audio::kSampleRate)
        for (size_t j = i; j < i + 88; ++j)
            audio.left[j] = audio.right[j] = float(0.5 * std::sin(std::numbers::pi * (j / 2.0 + 0.25)));
    return audio;
}

void write(const QString &path, const demo::Audio &audio)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(demo::writeByExtension(path, audio)) << qPrintable(path);
}

// Waits until the worker has told that all `files` of the library are known.
void settle(Loudness &loudness, int files)
{
    QSignalSpy progress(&loudness, &Loudness::progressChanged);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !progress.isEmpty() && progress.last() == QVariantList{files, files};
        },
        60000));
}

struct Expected {
    QString file;
    bool album;
    double gain;
    double within;
};

void expectGains(const Loudness &loudness, const QString &root, const std::vector<Expected> &table)
{
    for (const Expected &row : table)
        EXPECT_NEAR(loudness.gainDb(root + u'/' + row.file, row.album), row.gain, row.within)
            << qPrintable(row.file) << (row.album ? " (album)" : "");
}

} // namespace

TEST(Loudness, TagsGiveTheGainTowardsTheReferenceUnderTheCeiling)
{
    const QTemporaryDir dir;
    const QString album = dir.filePath(QStringLiteral("a"));
    const std::vector<std::pair<QString, std::vector<std::pair<const char *, const char *>>>> tags = {
        {u"id3.mp3"_s, {{"REPLAYGAIN_TRACK_GAIN", "-6.50 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"}}},
        {u"peak.ogg"_s, {{"REPLAYGAIN_TRACK_GAIN", "+3.00 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.95"}}},
        {u"lufs.mp3"_s,
         {{"REPLAYGAIN_TRACK_GAIN", "1.0 dB"},
          {"REPLAYGAIN_TRACK_PEAK", "0.1"},
          {"REPLAYGAIN_REFERENCE_LOUDNESS", "-23 LUFS"}}},
        {u"r128.ogg"_s, {{"R128_TRACK_GAIN", "-2560"}}},
        {u"loud.ogg"_s, {{"REPLAYGAIN_TRACK_GAIN", "+6.00 dB"}}}, // no peak tag: its measured peak caps it
        {u"r128album.ogg"_s, {{"R128_ALBUM_GAIN", "512"}}},
        {u"itunes.m4a"_s, {{"replaygain_track_gain", "-3 dB"}, {"replaygain_album_gain", "-4.2 dB"}}},
    };
    for (const auto &[name, fields] : tags) {
        const QString path = album + u'/' + name;
        write(path, tone(name == u"loud.ogg"_s ? 0.9f : 0.1f));
        if (name.endsWith(u".m4a")) {
            TagLib::MP4::File file(QFile::encodeName(path).constData());
            for (const auto &[key, value] : fields)
                file.tag()->setItem(TagLib::String("----:com.apple.iTunes:") + key,
                                    TagLib::MP4::Item(TagLib::StringList(value)));
            ASSERT_TRUE(file.save());
            continue;
        }
        TagLib::FileRef file(QFile::encodeName(path).constData());
        TagLib::PropertyMap map;
        for (const auto &[key, value] : fields)
            map.insert(key, TagLib::StringList(value));
        file.file()->setProperties(map);
        ASSERT_TRUE(file.save());
    }
    Loudness loudness(dir.filePath(QStringLiteral("cache")));
    loudness.setLibrary({album + u'/'});
    settle(loudness, int(tags.size()));
    expectGains(loudness, album,
                {{u"id3.mp3"_s, false, -6.5, 0.01},
                 {u"peak.ogg"_s, false, -1 - 20 * std::log10(0.95), 0.01},
                 {u"lufs.mp3"_s, false, 6, 0.01},
                 {u"r128.ogg"_s, false, -5, 0.01},
                 {u"loud.ogg"_s, false, -0.5, 0.3}, // the encoder lifts its true peak over 0.9
                 {u"r128album.ogg"_s, true, 7, 0.01},
                 {u"itunes.m4a"_s, false, -3, 0.01},
                 {u"itunes.m4a"_s, true, -4.2, 0.01}});
}

TEST(Loudness, MeasuresUntaggedFilesAndGivesTheMedianToOthers)
{
    const QTemporaryDir dir;
    for (const char *name : {"a/tone.wav", "a/tone.ogg", "a/tone.mp3"})
        write(dir.filePath(QLatin1String(name)), tone(0.1));
    write(dir.filePath(QStringLiteral("b/hot.wav")), hot());
    Loudness loudness(dir.filePath(QStringLiteral("cache")));
    EXPECT_EQ(loudness.gainDb(dir.filePath(QStringLiteral("a/tone.wav")), false), 0);
    loudness.setLibrary({dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b/"))});
    settle(loudness, 4);
    // -20 LUFS wants +2 dB; the hot file's 0.5 true peak holds it at -1 - (-6) dB.
    expectGains(loudness, dir.path(),
                {{u"a/tone.wav"_s, false, 2, 0.5},
                 {u"a/tone.ogg"_s, false, 2, 0.5},
                 {u"a/tone.mp3"_s, true, 2, 0.5},
                 {u"b/hot.wav"_s, false, -1 + 20 * std::log10(2), 0.3},
                 {u"elsewhere/new.mp3"_s, false, 2, 0.5}});
}

TEST(Loudness, CacheSurvivesARestartForTheLibraryAndMeasuresChangedFilesAnew)
{
    const QTemporaryDir dir;
    const QString cache = dir.filePath(QStringLiteral("cache/loudness"));
    const QString file = dir.filePath(QStringLiteral("a/tone.wav"));
    auto run = [&](const QString &folder, int files) {
        auto loudness = std::make_unique<Loudness>(cache);
        loudness->setLibrary({dir.filePath(folder)});
        settle(*loudness, files);
        return loudness;
    };
    write(file, tone(0.1));
    write(dir.filePath(QStringLiteral("b/quiet.wav")), tone(0.05));
    EXPECT_NEAR(run(u"a"_s, 1)->gainDb(file, false), 2, 0.5);
    auto rewrite = [&](const demo::Audio &audio, int laterBySeconds) {
        const QDateTime modified = QFileInfo(file).lastModified();
        write(file, audio);
        QFile touched(file);
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        ASSERT_TRUE(touched.setFileTime(modified.addSecs(laterBySeconds), QFileDevice::FileModificationTime));
    };
    // Same size and time: the cache answers. A new time: measured anew.
    rewrite(tone(0.2), 0);
    EXPECT_NEAR(run(u"a"_s, 1)->gainDb(file, false), 2, 0.5);
    rewrite(tone(0.2), 10);
    EXPECT_NEAR(run(u"a"_s, 1)->gainDb(file, false), -4, 0.5);

    // A damaged cache is not believed.
    QFile damaged(cache);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.seek(damaged.size() / 2);
    damaged.write("damage");
    damaged.close();
    rewrite(tone(0.1), 0);
    EXPECT_NEAR(run(u"a"_s, 1)->gainDb(file, false), 2, 0.5);
    // A library without the file forgets it: it gets the median, that of the other file.
    EXPECT_NEAR(run(u"b"_s, 1)->gainDb(file, false), 8, 0.5);
}

TEST(Loudness, PausedDoesNothingAndTheFileAskedForComesWithItsAlbum)
{
    const QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("a/tone.wav")), tone(0.1));
    const QString next = dir.filePath(QStringLiteral("b/next.wav"));
    write(next, tone(0.05));
    write(dir.filePath(QStringLiteral("b/other.wav")), tone(0.2));
    Loudness loudness(dir.filePath(QStringLiteral("cache")));
    loudness.setPaused(true);
    loudness.setLibrary({dir.filePath(QStringLiteral("a"))});
    loudness.prioritise(next);
    QTest::qWait(300);
    EXPECT_EQ(loudness.total(), 0);
    EXPECT_EQ(loudness.gainDb(next, false), 0);
    loudness.setPaused(false);
    settle(loudness, 1);
    expectGains(loudness, dir.path(), {{u"b/next.wav"_s, false, 8, 0.5}, {u"b/other.wav"_s, false, -4, 0.5}});
}

// A quarter of the rate at 45 degrees, faded in: every sample 3 dB under the peak between them.
TEST(Loudness, TruePeakIsFoundBetweenSamplesWhateverTheBuffers)
{
    std::vector<float> frames;
    for (int i = 0; i < 4410; ++i)
        frames.insert(frames.end(), 2,
                      float(0.5 * std::min(i / 441.0, 1.0) * std::sin(std::numbers::pi * (i / 2.0 + 0.25))));
    for (const size_t piece : {7, 1000, 4410}) {
        TruePeak peak(2);
        for (size_t at = 0; at < 4410; at += piece)
            peak.add(frames.data() + 2 * at, std::min(piece, 4410 - at));
        EXPECT_NEAR(peak.peak(), 0.5, 0.002) << piece << " frames at a time";
    }
}
