#include "core/catalogue.h"
#include "core/criteria.h"
#include "core/recordview.h"
#include "support/testlibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumetra;
using namespace lumetra::test;

namespace {

class CatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("tracks.lum"));
    }

    // Opens the catalogue with one record per title (Path "/m/<title>/").
    void openWith(const QStringList &titles)
    {
        ASSERT_TRUE(m_catalogue.open(m_file)) << m_catalogue.errorString().toStdString();
        RecordView writer(m_catalogue, QStringLiteral("songs"));
        writer.refresh();
        for (const QString &title : titles) {
            writer.addNew();
            writer.setValue(QStringLiteral("Album"), title);
            writer.setValue(QStringLiteral("Path"), QStringLiteral("/m/") + title + u'/');
            ASSERT_TRUE(writer.update());
        }
        m_songs.refresh();
    }

    QString album() const { return m_songs.value(QStringLiteral("Album")); }

    QTemporaryDir m_dir;
    QString m_file;
    Catalogue m_catalogue;
    RecordView m_songs{m_catalogue, QStringLiteral("songs")};
};

TEST_F(CatalogueTest, MissingFileIsCreatedWithTheCatalogueSchema)
{
    ASSERT_TRUE(m_catalogue.open(m_file));
    EXPECT_TRUE(QFile::exists(m_file));
    EXPECT_EQ(querySql(m_file, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'songs'")),
              QStringList{QStringLiteral("CREATE TABLE songs (ID INTEGER PRIMARY KEY AUTOINCREMENT, Album TEXT, "
                                         "Path TEXT, Picture TEXT, Artist TEXT, Probability TEXT)")});
    EXPECT_EQ(querySql(m_file, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'opts'")),
              QStringList{QStringLiteral("CREATE TABLE opts (folders TEXT, formcolor TEXT)")});
}

TEST_F(CatalogueTest, IdCriteriaWithAndWithoutBlanksFindTheSameRecord)
{
    openWith({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    for (const char *criteria : {"ID = 2", "ID=2", "id   =\t2", "ID = '2'"}) {
        m_songs.moveFirst();
        EXPECT_TRUE(m_songs.findFirst(QString::fromLatin1(criteria))) << criteria;
        EXPECT_EQ(album(), QStringLiteral("Two")) << criteria;
        EXPECT_FALSE(m_songs.noMatch());
    }
}

TEST_F(CatalogueTest, TitlesWithQuotesAreFoundAsThemselvesOnly)
{
    const QString hostile = QStringLiteral("x' OR '1'='1");
    openWith({QStringLiteral("x"), QStringLiteral("Captain's Log"), QStringLiteral("It''s"), hostile,
              QStringLiteral("Plain")});
    for (const QString &title : {QStringLiteral("Captain's Log"), QStringLiteral("It''s"), hostile}) {
        m_songs.moveFirst();
        ASSERT_TRUE(m_songs.findFirst(albumCriteria(title))) << title.toStdString();
        EXPECT_EQ(album(), title);
    }
    // The hostile text pasted without doubling is not a criteria text at all.
    m_songs.moveLast();
    EXPECT_FALSE(m_songs.findFirst(QStringLiteral("Album = '") + hostile + u'\''));
    EXPECT_TRUE(m_songs.noMatch());
    EXPECT_EQ(album(), QStringLiteral("Plain"));
}

TEST_F(CatalogueTest, NoMatchKeepsTheCursorAndItsFields)
{
    openWith({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    ASSERT_TRUE(m_songs.findFirst(albumCriteria(QStringLiteral("Beta"))));
    EXPECT_FALSE(m_songs.findFirst(albumCriteria(QStringLiteral("beta")))); // exact comparison
    EXPECT_TRUE(m_songs.noMatch());
    EXPECT_EQ(album(), QStringLiteral("Beta"));
    EXPECT_FALSE(m_songs.findFirst(QStringLiteral("Nonsense = 1")));
    EXPECT_EQ(album(), QStringLiteral("Beta"));
    EXPECT_TRUE(m_songs.findFirst(albumCriteria(QStringLiteral("Alpha"))));
    EXPECT_FALSE(m_songs.noMatch());
}

TEST_F(CatalogueTest, ReadingAllRecordsStopsPastTheLastWithEmptyFields)
{
    openWith({});
    m_songs.moveFirst();
    EXPECT_TRUE(m_songs.eof());
    EXPECT_TRUE(m_songs.bof());
    EXPECT_FALSE(m_songs.moveNext());

    openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    QStringList seen;
    m_songs.moveFirst();
    while (!m_songs.eof()) {
        seen.append(album());
        m_songs.moveNext();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_TRUE(album().isEmpty());
    EXPECT_TRUE(m_songs.movePrevious());
    EXPECT_EQ(album(), QStringLiteral("C"));
    m_songs.moveFirst();
    m_songs.movePrevious();
    EXPECT_TRUE(m_songs.bof());
    EXPECT_FALSE(m_songs.movePrevious());
}

TEST_F(CatalogueTest, EditsReachTheFileAndNewIdsAreNeverReused)
{
    openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    m_songs.findFirst(QStringLiteral("ID = 3"));
    ASSERT_TRUE(m_songs.deleteRecord());
    EXPECT_TRUE(album().isEmpty());
    EXPECT_FALSE(m_songs.update()); // no current record after a delete
    m_songs.addNew();
    m_songs.setValue(QStringLiteral("Album"), QStringLiteral("D"));
    EXPECT_FALSE(m_songs.setValue(QStringLiteral("ID"), QStringLiteral("1"))); // the store assigns ids
    ASSERT_TRUE(m_songs.update());
    EXPECT_EQ(m_songs.value(QStringLiteral("ID")), QStringLiteral("4"));

    m_songs.findFirst(QStringLiteral("ID = 1"));
    m_songs.setValue(QStringLiteral("Probability"), QStringLiteral("No"));
    ASSERT_TRUE(m_songs.update());
    EXPECT_EQ(querySql(m_file, QStringLiteral("SELECT ID, Album, Probability FROM songs ORDER BY ID")),
              (QStringList{QStringLiteral("1|A|No"), QStringLiteral("2|B|"), QStringLiteral("4|D|")}));
}

TEST_F(CatalogueTest, DeletingAllFromTheEndWalksBackToBof)
{
    openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    m_songs.moveLast();
    int deleted = 0;
    while (!m_songs.bof() && deleted < 10) {
        deleted += m_songs.deleteRecord() ? 1 : 0;
        m_songs.movePrevious();
    }
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(querySql(m_file, QStringLiteral("SELECT count(*) FROM songs")), QStringList{QStringLiteral("0")});
}

TEST_F(CatalogueTest, DeleteThenMoveNextLandsOnTheFollowingRecord)
{
    openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    m_songs.findFirst(albumCriteria(QStringLiteral("B")));
    m_songs.deleteRecord();
    m_songs.moveNext();
    EXPECT_EQ(album(), QStringLiteral("C"));
}

TEST_F(CatalogueTest, MissingStateTableIsAddedWithoutTouchingAlbums)
{
    ASSERT_TRUE(runSql(m_file, {QStringLiteral("CREATE TABLE songs (ID INTEGER PRIMARY KEY AUTOINCREMENT, Album TEXT, "
                                               "Path TEXT, Picture TEXT, Artist TEXT, Probability TEXT)"),
                                QStringLiteral("INSERT INTO songs (Album) VALUES ('Kept')")}));
    ASSERT_TRUE(m_catalogue.open(m_file)) << m_catalogue.errorString().toStdString();
    EXPECT_EQ(m_catalogue.columns(QStringLiteral("opts")), Catalogue::kOptsColumns);
    EXPECT_EQ(querySql(m_file, QStringLiteral("SELECT Album FROM songs")), QStringList{QStringLiteral("Kept")});
}

// Files that are not a usable catalogue are refused and left byte for byte as they were.
struct UnusableFile {
    const char *name;
    QByteArray (*make)(const QString &scratch);
};

QByteArray textFile(const QString &)
{
    return QByteArrayLiteral("Album,Path\r\nAbbey Lane,/music/\r\n");
}

QByteArray withSchema(const QString &scratch, const QStringList &schema)
{
    QFile::remove(scratch);
    runSql(scratch, schema);
    return readAll(scratch);
}

QByteArray truncatedCatalogue(const QString &scratch)
{
    QList<TestAlbum> albums;
    for (int i = 0; i < 400; ++i)
        albums.append({QStringLiteral("A rather long album title number %1").arg(i), false});
    writeCatalogue(QFileInfo(scratch).absolutePath(), albums);
    const QByteArray whole = readAll(QFileInfo(scratch).absolutePath() + QStringLiteral("/tracks.lum"));
    return whole.left(whole.size() / 2);
}

QByteArray noSongsTable(const QString &scratch)
{
    return withSchema(scratch, {QStringLiteral("CREATE TABLE albums (Title TEXT)"),
                                QStringLiteral("INSERT INTO albums VALUES ('mine')")});
}

QByteArray songsMissingAField(const QString &scratch)
{
    return withSchema(scratch, {QStringLiteral("CREATE TABLE songs (ID INTEGER PRIMARY KEY, Album TEXT, Path TEXT)"),
                                QStringLiteral("INSERT INTO songs (Album) VALUES ('mine')")});
}

QByteArray idNotAutomatic(const QString &scratch)
{
    return withSchema(scratch, {QStringLiteral("CREATE TABLE songs (ID TEXT, Album TEXT, Path TEXT, Picture TEXT, "
                                               "Artist TEXT, Probability TEXT)")});
}

class UnusableCatalogue : public ::testing::TestWithParam<UnusableFile>
{
};

TEST_P(UnusableCatalogue, IsRefusedAndLeftUntouched)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("scratch")));
    const QByteArray bytes = GetParam().make(dir.filePath(QStringLiteral("scratch/other.db")));
    ASSERT_FALSE(bytes.isEmpty());
    const QString file = dir.filePath(QStringLiteral("tracks.lum"));
    ASSERT_TRUE(writeFile(file, bytes));

    Catalogue catalogue;
    EXPECT_FALSE(catalogue.open(file));
    EXPECT_FALSE(catalogue.errorString().isEmpty());
    RecordView songs(catalogue, QStringLiteral("songs"));
    EXPECT_FALSE(songs.refresh());
    EXPECT_TRUE(songs.eof());
    EXPECT_FALSE(songs.addNew());
    catalogue.close();
    EXPECT_EQ(readAll(file), bytes);
    EXPECT_FALSE(QFile::exists(file + QStringLiteral("-journal")));
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableCatalogue,
                         ::testing::Values(UnusableFile{"TextFile", textFile},
                                           UnusableFile{"Truncated", truncatedCatalogue},
                                           UnusableFile{"NoSongsTable", noSongsTable},
                                           UnusableFile{"SongsMissingAField", songsMissingAField},
                                           UnusableFile{"IdNotAutomatic", idNotAutomatic}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
