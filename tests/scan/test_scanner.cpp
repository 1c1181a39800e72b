#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "scan/scanner.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Makes each relative path under `root`: a folder when it ends with "/", else an empty file.
void makeTree(const QString &root, const QStringList &paths)
{
    QDir().mkpath(root);
    for (const QString &path : paths) {
        if (path.endsWith(u'/')) {
            QDir().mkpath(root + u'/' + path);
        } else {
            QDir().mkpath(QFileInfo(root + u'/' + path).absolutePath());
            writeFile(root + u'/' + path, {});
        }
    }
}

// A temporary application folder whose music folder is <tmp>/Music; records read back as
// "<folder below Music>|Album|Picture|Artist".
class ScannerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_catalogue.open(m_dir.filePath(u"tracks.lum"_s)));
        m_songs.refresh();
    }

    Scanner::Result scan(Scanner::Layout layout, const QString &root = {})
    {
        Scanner scanner(m_catalogue, m_songs);
        return scanner.scan(root.isEmpty() ? m_root : root, layout);
    }

    QStringList records()
    {
        const QString tmpName = QFileInfo(m_dir.path()).fileName();
        QStringList rows = querySql(m_dir.filePath(u"tracks.lum"_s),
                                    u"SELECT Path, Album, Picture, Artist FROM songs ORDER BY ID"_s);
        for (QString &row : rows) {
            row.replace(m_root + u'/', QString());
            row.replace(tmpName, u"<tmp>"_s);
        }
        return rows;
    }

    QTemporaryDir m_dir;
    QString m_root = m_dir.filePath(u"Music"_s);
    Catalogue m_catalogue;
    RecordView m_songs{m_catalogue, u"songs"_s};
};

struct TreeCase {
    const char *name;
    Scanner::Layout layout;
    QStringList files;
    QStringList expected;
};

void PrintTo(const TreeCase &c, std::ostream *os)
{
    *os << c.name;
}

class ScannerTree : public ScannerTest, public ::testing::WithParamInterface<TreeCase>
{
};

TEST_P(ScannerTree, RecordsEveryFolderThatHoldsMusic)
{
    makeTree(m_root, GetParam().files);
    const Scanner::Result result = scan(GetParam().layout);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(records(), GetParam().expected);
    EXPECT_EQ(result.found.size(), GetParam().expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    Trees, ScannerTree,
    ::testing::Values(
        TreeCase{"Nested",
                 Scanner::Layout::Nested,
                 {u"Travis/The Best Of/01 Sing.mp3"_s, u"Travis/The Best Of/cover.jpg"_s,
                  u"Travis/The Best Of/back.GIF"_s, u"Travis/Live/a.ogg"_s, u"Travis/notes.txt"_s},
                 {u"Travis/Live/|Travis, Live||Travis"_s,
                  u"Travis/The Best Of/|Travis, The Best Of|back.GIF|Travis"_s}},
        TreeCase{"Flat",
                 Scanner::Layout::Flat,
                 {u"Travis - The Best Of/x.m4a"_s, u"Travis - The Best Of/z.bmp"_s},
                 {u"Travis - The Best Of/|Travis - The Best Of|z.bmp|Music"_s}},
        TreeCase{"MusicInTheRoot", Scanner::Layout::Flat, {u"song.wma"_s}, {u"|Music||<tmp>"_s}},
        TreeCase{"DotFoldersAndHiddenFilesAreLeftOut",
                 Scanner::Layout::Flat,
                 {u".hidden/a.mp3"_s, u".hidden/deep/b.mp3"_s, u"Shown/.c.mp3"_s, u"Kept/d.mp3"_s},
                 {u"Kept/|Kept||Music"_s}},
        TreeCase{"OnlyTheListedExtensionsCount",
                 Scanner::Layout::Flat,
                 {u"Upper/A.MP3"_s, u"UpperWma/A.WMA"_s, u"Wav/a.wav"_s, u"Ogg/a.Ogg"_s, u"Wma/a.wma"_s,
                  u"Short/mp3"_s},
                 {u"Upper/|Upper||Music"_s, u"Wma/|Wma||Music"_s}},
        TreeCase{"BreadthFirst",
                 Scanner::Layout::Nested,
                 {u"A/B/C/1.mp3"_s, u"A/2.mp3"_s, u"Z/3.mp3"_s, u"A/B/4.mp3"_s},
                 {u"A/|Music, A||Music"_s, u"Z/|Music, Z||Music"_s, u"A/B/|A, B||A"_s, u"A/B/C/|B, C||B"_s}},
        TreeCase{"NoMusic", Scanner::Layout::Flat, {u"Docs/readme.txt"_s, u"Empty/"_s}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScannerTest, RootWithOrWithoutSeparatorAndRepeatedScansGiveTheSameCatalogue)
{
    makeTree(m_root, {u"X/1.mp3"_s, u"Y/2.ogg"_s, u"Y/Z/3.m4a"_s});
    ASSERT_TRUE(scan(Scanner::Layout::Flat).ok);
    const QStringList first = records();
    ASSERT_TRUE(scan(Scanner::Layout::Flat, m_root + u'/').ok);
    EXPECT_EQ(records(), first);
    ASSERT_TRUE(scan(Scanner::Layout::Flat, u"  "_s + m_root + u"  "_s).ok);
    EXPECT_EQ(records(), first);
    EXPECT_EQ(first.size(), 3);
}

TEST_F(ScannerTest, AMissingRootLeavesTheCatalogueAsItWas)
{
    makeTree(m_root, {u"X/1.mp3"_s});
    ASSERT_TRUE(scan(Scanner::Layout::Flat).ok);
    const Scanner::Result result = scan(Scanner::Layout::Flat, m_dir.filePath(u"Unplugged"_s));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(u"Unplugged"_s));
    EXPECT_EQ(records(), QStringList{u"X/|X||Music"_s});
}

TEST_F(ScannerTest, ALinkBackUpTheTreeIsNotWalkedForEver)
{
    makeTree(m_root, {u"A/1.mp3"_s});
    ASSERT_TRUE(QFile::link(m_root, m_root + u"/A/Loop"_s));
    const Scanner::Result result = scan(Scanner::Layout::Flat);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(records(), QStringList{u"A/|A||Music"_s});
}

TEST_F(ScannerTest, ACancelledScanKeepsTheOldCatalogue)
{
    makeTree(m_root, {u"Old/1.mp3"_s});
    ASSERT_TRUE(scan(Scanner::Layout::Flat).ok);
    for (int i = 0; i < 300; ++i)
        makeTree(m_root, {u"New %1/a.mp3"_s.arg(i)});
    Scanner scanner(m_catalogue, m_songs);
    int yields = 0;
    scanner.setYield([&] { return ++yields < 1; }); // the first turn comes after the first folder
    const Scanner::Result result = scanner.scan(m_root, Scanner::Layout::Flat);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(records(), QStringList{u"Old/|Old||Music"_s});
    EXPECT_EQ(m_songs.recordCount(), 1);
}

TEST(ScannerTexts, DoneLineAndDefaultFolder)
{
    EXPECT_EQ(Scanner::doneText(12, 140), u"Done! Time taken: 12 seconds.    Music folders found: 140"_s);
    const AppFolder app(u"/apps/lumetra"_s);
    EXPECT_EQ(Scanner::resolveRoot(u"(Lumetra default)"_s, app), app.defaultMusicFolder());
    EXPECT_EQ(Scanner::resolveRoot(u"/music"_s, app), u"/music"_s);
}

} // namespace
