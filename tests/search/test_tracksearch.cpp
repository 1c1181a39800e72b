#include "search/searchrunner.h"
#include "search/tracksearch.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

QStringList linesOf(const TrackSearch &search, const TrackSearch::Results &results)
{
    QStringList lines;
    for (qsizetype i = 0; i < results.size(); ++i)
        lines.append(search.line(results, i));
    return lines;
}

// Two albums under Music/Rock and one whose folder has gone, in catalogue order Zed, Abbey, Gone. The folders
// are given relative to the temporary folder, so no random letters of its name can match a search.
class TrackSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const QString rock = u"Music/Rock/"_s;
        for (const char *file : {"Zed/02 Hey Jude.mp3", "Zed/01 The Last Night Out.mp3", "Zed/cover.jpg",
                                 "Abbey/b.ogg", "Abbey/A.MP3", "Abbey/notes.txt"})
            writeFile(rock + QString::fromLatin1(file), {});
        m_search.setAlbums({rock + u"Zed/"_s, rock + u"Abbey/"_s, u"Gone/"_s},
                           {u"Zed Songs"_s, u"Abbey Lane"_s, u"Gone Away"_s});
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    TrackSearch m_search;
};

// Track names match without regard to case, extension included; folder paths give album results first, also
// of an album whose folder has gone. The runner drops what a stopped search still hands over; the search
// itself must end without handing more.
TEST_F(TrackSearchTest, FindsTrackNamesAndFolderPathsAndAStoppedSearchHandsOverNothing)
{
    const std::pair<QString, QStringList> cases[] = {
        {u"MP3"_s,
         {u"01 The Last Night Out --- Zed Songs"_s, u"02 Hey Jude --- Zed Songs"_s, u"A --- Abbey Lane"_s}},
        {u"rock"_s, {u"[Album]    - Zed Songs"_s, u"[Album]    - Abbey Lane"_s}},
        {u"gone"_s, {u"[Album]    - Gone Away"_s}}};
    for (const auto &[text, lines] : cases)
        EXPECT_EQ(linesOf(m_search, m_search.find(text)), lines) << text.toStdString();
    const TrackSearch::Results all = m_search.find(QString());
    EXPECT_EQ(linesOf(m_search, all).mid(3),
              (QStringList{u"01 The Last Night Out --- Zed Songs"_s, u"02 Hey Jude --- Zed Songs"_s,
                           u"A --- Abbey Lane"_s, u"b --- Abbey Lane"_s}));
    EXPECT_EQ(all.albums, (std::vector<qint32>{0, 1, 2, 0, 0, 1, 1})); // each line's album, by its place

    const std::atomic<bool> stopped{true};
    bool delivered = false;
    m_search.find(
        QString(), [&delivered](TrackSearch::Results &&) { delivered = true; }, stopped, 0);
    EXPECT_FALSE(delivered);
}

TEST(TrackSearchLoad, AnEmptyCatalogueFindsNothing)
{
    QTemporaryDir empty;
    ASSERT_TRUE(writeCatalogue(empty.path(), {}));
    TrackSearch search;
    ASSERT_TRUE(search.load(empty.filePath(u"tracks.lum"_s)));
    EXPECT_TRUE(search.find(QString()).isEmpty());
}

TEST(SearchRunnerTest, AGivenUpSearchDeliversNothingMore)
{
    QTemporaryDir dir;
    QList<TestAlbum> albums;
    for (int i = 0; i < 30; ++i)
        albums.append({u"Album %1"_s.arg(i), false, {u"Alpha %1.mp3"_s.arg(i), u"Beta %1.ogg"_s.arg(i)}});
    ASSERT_TRUE(writeCatalogue(dir.path(), albums));
    SearchRunner runner(dir.filePath(u"tracks.lum"_s));
    QStringList lines;
    QList<qsizetype> counts;
    QObject::connect(&runner, &SearchRunner::found, [&](qsizetype count) {
        for (qsizetype i = lines.size(); i < count; ++i)
            lines.append(runner.line(i));
    });
    QObject::connect(&runner, &SearchRunner::finished, [&counts](qsizetype count) { counts.append(count); });

    // The first search finds everything and hands it over before the second starts; none of it may show.
    runner.start(u"alpha"_s);
    QThread::msleep(500);
    runner.start(u"beta 2"_s);
    QEventLoop loop;
    QObject::connect(&runner, &SearchRunner::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    QStringList expected{u"Beta 2 --- Album 2"_s};
    for (int i = 20; i < 30; ++i)
        expected.append(u"Beta %1 --- Album %1"_s.arg(i));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(counts, QList<qsizetype>{11});
    EXPECT_FALSE(runner.isSearching());
    // The worker gives way to the window: some thread of this process is niced.
    bool niced = false;
    for (const QString &task : QDir(u"/proc/self/task"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(u"/proc/self/task/%1/stat"_s.arg(task));
        niced = niced || (stat.open(QIODevice::ReadOnly) &&
                          stat.readAll().split(')').last().split(' ').value(17).toInt() > 0);
    }
    EXPECT_TRUE(niced);

    // Stopped: nothing arrives, not even the end.
    runner.start(u"alpha"_s);
    QThread::msleep(500);
    runner.stop();
    lines.clear();
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(counts.size(), 1);
}

} // namespace
