#include "scan/scanner.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QFile>

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
class ScannerTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override { ASSERT_TRUE(load({})); }

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

    QString m_root = m_dir.filePath(u"Music"_s);
};

struct TreeCase {
    const char *name;
    Scanner::Layout layout;
    QStringList files;
    QStringList expected;
    QList<std::pair<QString, QString>> links = {}; // link below the root → its target
};

class ScannerTree : public ScannerTest, public ::testing::WithParamInterface<TreeCase>
{
};

TEST_P(ScannerTree, RecordsEveryFolderThatHoldsMusicOnce)
{
    makeTree(m_root, GetParam().files);
    for (const auto &[link, target] : GetParam().links)
        ASSERT_TRUE(QFile::link(target, m_root + u'/' + link)) << link.toStdString();
    const Scanner::Result result = scan(GetParam().layout);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(records(), GetParam().expected);
    EXPECT_EQ(result.found.size(), GetParam().expected.size());
    // Fields the scan leaves empty are empty text, as other tools query them.
    EXPECT_EQ(querySql(m_dir.filePath(u"tracks.lum"_s),
                       u"SELECT count(*) FROM songs WHERE Picture IS NULL OR Probability IS NULL"_s),
              QStringList{u"0"_s});
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
        TreeCase{"NoMusic", Scanner::Layout::Flat, {u"Docs/readme.txt"_s, u"Empty/"_s}, {}},
        // The title is one line; the path keeps the folder's real name.
        TreeCase{"LineBreaksInNamesBecomeBlanksInTitles",
                 Scanner::Layout::Nested,
                 {u"Artist\nNewline/Album\r\nTwo/a.mp3"_s},
                 {u"Artist\nNewline/Album\r\nTwo/|Artist Newline, Album  Two||Artist\nNewline"_s}},
        // Names that have broken programs before: quotes, percent signs, non-Latin text, a leading dash, and
        // a name of the longest length a file system allows.
        TreeCase{"AwkwardNames",
                 Scanner::Layout::Flat,
                 {u"It's \"quoted\"/a.mp3"_s, u"100% Pure %1 %2/a.mp3"_s, u"Ünïcødé – 日本語 ♫/a.mp3"_s,
                  u"-rf --help/a.mp3"_s, QString(250, u'n') + u"e.end/a.mp3"_s},
                 {u"-rf --help/|-rf --help||Music"_s, u"100% Pure %1 %2/|100% Pure %1 %2||Music"_s,
                  u"It's \"quoted\"/|It's \"quoted\"||Music"_s,
                  QString(250, u'n') + u"e.end/|"_s + QString(250, u'n') + u"e.end||Music"_s,
                  u"Ünïcødé – 日本語 ♫/|Ünïcødé – 日本語 ♫||Music"_s}},
        TreeCase{"ALinkBackUpTheTreeIsNotWalkedForEver",
                 Scanner::Layout::Flat,
                 {u"A/1.mp3"_s},
                 {u"A/|A||Music"_s},
                 {{u"A/Loop"_s, u".."_s}}},
        TreeCase{"ADanglingLinkNamedLikeMusicMakesNoAlbum",
                 Scanner::Layout::Flat,
                 {u"Ghost/"_s, u"Real/a.mp3"_s},
                 {u"Real/|Real||Music"_s},
                 {{u"Ghost/track.mp3"_s, u"gone.mp3"_s}, {u"Ghost/cover.jpg"_s, u"gone.jpg"_s}}}),
    [](const auto &info) { return std::string(info.param.name); });

// Every way of naming the root gives the same records with full paths; roots that cannot be used leave the
// catalogue as it was.
TEST_F(ScannerTest, RootsNamedAnyWayGiveTheSameCatalogueOrLeaveItAlone)
{
    makeTree(m_root, {u"X/1.mp3"_s, u"Y/2.ogg"_s, u"Y/Z/3.m4a"_s});
    ASSERT_TRUE(scan(Scanner::Layout::Flat).ok);
    const QStringList first = records();
    ASSERT_EQ(first.size(), 3);
    for (const QString &root :
         {m_root + u'/', u"  "_s + m_root + u"  "_s, Scanner::resolveRoot(u"../Music/"_s, m_app, m_root)}) {
        ASSERT_TRUE(scan(Scanner::Layout::Flat, root).ok) << root.toStdString();
        EXPECT_EQ(records(), first) << root.toStdString();
    }
    // A relative root is refused even where it would name the music folder.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    for (const QString &root : {m_dir.filePath(u"Unplugged"_s), u"Music"_s}) {
        const Scanner::Result result = scan(Scanner::Layout::Flat, root);
        EXPECT_FALSE(result.ok) << root.toStdString();
        EXPECT_TRUE(result.error.contains(root)) << result.error.toStdString();
        EXPECT_EQ(records(), first);
    }
    QDir::setCurrent(cwd);
}

// The window's own test closes the program during a scan; here the catalogue's view is looked at afterwards.
TEST_F(ScannerTest, ACancelledScanKeepsTheOldCatalogueInTheFileAndTheView)
{
    makeTree(m_root, {u"Old/1.mp3"_s, u"New/a.mp3"_s});
    ASSERT_TRUE(scan(Scanner::Layout::Flat).ok);
    Scanner scanner(m_catalogue, m_songs);
    scanner.setYield([] { return false; }); // the first turn comes after the first folder
    EXPECT_TRUE(scanner.scan(m_root, Scanner::Layout::Flat).cancelled);
    EXPECT_EQ(records(), (QStringList{u"New/|New||Music"_s, u"Old/|Old||Music"_s}));
    EXPECT_EQ(m_songs.recordCount(), 2);
}

} // namespace
