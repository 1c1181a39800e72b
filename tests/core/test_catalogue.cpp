#include "core/catalogue.h"
#include "core/criteria.h"
#include "core/recordview.h"
#include "support/testlibrary.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString kSongsFields = u"Album TEXT, Path TEXT, Picture TEXT, Artist TEXT, Probability TEXT"_s;
const QString kSongsTable =
    u"CREATE TABLE songs (ID INTEGER PRIMARY KEY AUTOINCREMENT, "_s + kSongsFields + u')';

class CatalogueTest : public ::testing::Test, public TestLibrary
{
protected:
    QString album() const { return m_songs.value(u"Album"_s); }

    // Sets a field of the record that `criteria` finds, or of a new record when it is empty, and stores it.
    void store(const QString &criteria, const QString &field, const QString &value)
    {
        if (criteria.isEmpty())
            m_songs.addNew();
        else
            ASSERT_TRUE(m_songs.findFirst(criteria));
        m_songs.setValue(field, value);
        ASSERT_TRUE(m_songs.update());
    }

    const QString m_file = m_app.file(u"tracks.lum"_s);
};

// Other tools read the catalogue by this schema.
TEST_F(CatalogueTest, AMissingFileOrStateTableIsCreatedWithoutTouchingAlbums)
{
    ASSERT_TRUE(m_catalogue.open(m_file));
    EXPECT_EQ(querySql(m_file, u"SELECT sql FROM sqlite_master WHERE name = 'songs'"_s),
              QStringList{kSongsTable});
    EXPECT_EQ(querySql(m_file, u"SELECT sql FROM sqlite_master WHERE name = 'opts'"_s),
              QStringList{u"CREATE TABLE opts (folders TEXT, formcolor TEXT)"_s});
    m_catalogue.close();
    ASSERT_TRUE(runSql(m_file, {u"DROP TABLE opts"_s, u"INSERT INTO songs (Album) VALUES ('Kept')"_s}));
    ASSERT_TRUE(m_catalogue.open(m_file)) << m_catalogue.errorString().toStdString();
    EXPECT_EQ(m_catalogue.columns(u"opts"_s), Catalogue::kOptsColumns);
    EXPECT_EQ(querySql(m_file, u"SELECT Album FROM songs"_s), QStringList{u"Kept"_s});
}

TEST_F(CatalogueTest, FindsExactlyAndANoMatchKeepsTheCursor)
{
    const QString hostile = u"x' OR '1'='1"_s;
    ASSERT_TRUE(load({{u"Alpha"_s}, {u"Captain's Log"_s}, {u"It''s"_s}, {hostile}, {u"Beta"_s}}));
    for (const QString &criteria : {u"ID = 2"_s, u"ID = '2'"_s, albumCriteria(u"Captain's Log"_s)}) {
        m_songs.moveFirst();
        EXPECT_TRUE(m_songs.findFirst(criteria)) << criteria.toStdString();
        EXPECT_EQ(album(), u"Captain's Log"_s) << criteria.toStdString();
    }
    for (const QString &title : {u"It''s"_s, hostile}) {
        ASSERT_TRUE(m_songs.findFirst(albumCriteria(title))) << title.toStdString();
        EXPECT_EQ(album(), title);
    }
    // Another case, no criteria text at all, a hostile text pasted without doubling: no match, cursor kept.
    ASSERT_TRUE(m_songs.findFirst(albumCriteria(u"Beta"_s)));
    for (const QString &criteria :
         {albumCriteria(u"beta"_s), u"Nonsense = 1"_s, u"Album = '"_s + hostile + u'\''}) {
        EXPECT_FALSE(m_songs.findFirst(criteria)) << criteria.toStdString();
        EXPECT_EQ(album(), u"Beta"_s);
    }
}

TEST_F(CatalogueTest, ReadingAllRecordsStopsPastTheLastWithEmptyFields)
{
    ASSERT_TRUE(load({}));
    m_songs.moveFirst();
    EXPECT_TRUE(m_songs.eof());
    EXPECT_TRUE(m_songs.bof());
    EXPECT_FALSE(m_songs.moveNext());

    ASSERT_TRUE(load({{u"A"_s}, {u"B"_s}, {u"C"_s}}));
    QStringList seen;
    for (m_songs.moveFirst(); !m_songs.eof(); m_songs.moveNext())
        seen.append(album());
    EXPECT_EQ(seen, (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_TRUE(album().isEmpty());
    EXPECT_TRUE(m_songs.movePrevious());
    EXPECT_EQ(album(), u"C"_s);
    m_songs.moveFirst();
    m_songs.movePrevious();
    EXPECT_TRUE(m_songs.bof());
    EXPECT_FALSE(m_songs.movePrevious());
}

TEST_F(CatalogueTest, EditsReachTheFileAndNewIdsAreNeverReused)
{
    ASSERT_TRUE(load({{u"A"_s}, {u"B"_s}, {u"C"_s}, {u"E"_s}}));
    m_songs.findFirst(albumCriteria(u"B"_s));
    ASSERT_TRUE(m_songs.deleteRecord());
    EXPECT_TRUE(album().isEmpty());
    EXPECT_FALSE(m_songs.update()); // no current record after a delete
    m_songs.moveNext();
    EXPECT_EQ(album(), u"C"_s); // the record after the deleted one
    m_songs.findFirst(u"ID = 4"_s);
    ASSERT_TRUE(m_songs.deleteRecord());
    m_songs.addNew();
    m_songs.setValue(u"Album"_s, u"D"_s);
    EXPECT_FALSE(m_songs.setValue(u"ID"_s, u"1"_s)); // the store assigns ids
    ASSERT_TRUE(m_songs.update());
    EXPECT_EQ(m_songs.value(u"ID"_s), u"5"_s);

    store(u"ID = 1"_s, u"Probability"_s, u"No"_s);
    EXPECT_EQ(querySql(m_file, u"SELECT ID, Album, Probability FROM songs ORDER BY ID"_s),
              (QStringList{u"1|A|No"_s, u"3|C|"_s, u"5|D|"_s}));

    ASSERT_TRUE(m_songs.deleteAll()); // a rescan starts afresh
    store({}, u"Album"_s, u"F"_s);
    m_songs.moveFirst();
    EXPECT_EQ(album(), u"F"_s);
}

TEST_F(CatalogueTest, TitleFindsGiveTheFirstRecordOfThatExactTitleThroughEdits)
{
    ASSERT_TRUE(load({{u"Live"_s}, {u"Other"_s}, {u"Live"_s}, {u"LIVE"_s}}));
    auto idOf = [this](const QString &title) {
        return m_songs.findFirst(albumCriteria(title)) ? m_songs.value(u"ID"_s) : QString();
    };
    EXPECT_EQ(idOf(u"Live"_s), u"1"_s);
    EXPECT_EQ(m_songs.value(u"Path"_s), m_dir.filePath(u"Music/album0/"_s)); // a field not read yet
    EXPECT_EQ(idOf(u"LIVE"_s), u"4"_s);

    m_songs.findFirst(u"ID = 1"_s);
    ASSERT_TRUE(m_songs.deleteRecord());
    EXPECT_EQ(idOf(u"Live"_s), u"3"_s);

    store(u"ID = 2"_s, u"Album"_s, u"Live"_s); // renamed: now the first of its title
    EXPECT_EQ(idOf(u"Live"_s), u"2"_s);
    EXPECT_EQ(m_songs.valueWhere(u"Album"_s, u"Live"_s, u"Path"_s), m_dir.filePath(u"Music/album1/"_s));

    store({}, u"Album"_s, u"Live"_s);
    store({}, u"Album"_s, u"New"_s);
    EXPECT_EQ(idOf(u"Live"_s), u"2"_s);
    EXPECT_EQ(idOf(u"New"_s), u"6"_s);

    store(u"ID = 2"_s, u"Album"_s, u"Gone"_s);
    EXPECT_EQ(idOf(u"Live"_s), u"3"_s);
    EXPECT_EQ(idOf(u"Other"_s), QString());
}

// A kill during the first creation leaves its pages written beside the journal of a transaction begun on an
// empty file; SQLite's rollback empties it again.
TEST_F(CatalogueTest, AnInterruptedFirstCreationIsRolledBackAndCreatedAfresh)
{
    QByteArray journal;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"interrupted"_s);
        db.setDatabaseName(m_dir.filePath(u"scratch.lum"_s));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(u"PRAGMA cache_size = 10"_s) && db.transaction());
        // More pages than the cache holds: SQLite syncs the journal, as a commit does, to write some out.
        ASSERT_TRUE(query.exec(u"CREATE TABLE t (b)"_s) &&
                    query.exec(u"INSERT INTO t VALUES (zeroblob(200000))"_s));
        journal = readAll(m_dir.filePath(u"scratch.lum-journal"_s));
        db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"interrupted"_s);
    ASSERT_FALSE(journal.isEmpty());
    ASSERT_TRUE(m_catalogue.open(m_file));
    m_catalogue.close();
    ASSERT_TRUE(writeFile(m_file + u"-journal"_s, journal));

    ASSERT_TRUE(m_catalogue.open(m_file)) << m_catalogue.errorString().toStdString();
    EXPECT_EQ(m_catalogue.columns(u"songs"_s), Catalogue::kSongsColumns);
    EXPECT_FALSE(QFile::exists(m_file + u"-journal"_s));
}

// Files that are not a usable catalogue are refused and left byte for byte as they were: half a catalogue,
// and SQLite files whose schema (the statements) the program cannot work on.
struct UnusableFile {
    const char *name;
    QStringList schema; // empty: half of a real catalogue
};

class UnusableCatalogue : public CatalogueTest, public ::testing::WithParamInterface<UnusableFile>
{
};

TEST_P(UnusableCatalogue, IsRefusedAndLeftUntouched)
{
    if (GetParam().schema.isEmpty()) {
        ASSERT_TRUE(load(QList<TestAlbum>(400, {u"A rather long album title"_s, false})));
        m_catalogue.close();
    }
    ASSERT_TRUE(runSql(m_file, GetParam().schema));
    QByteArray bytes = readAll(m_file);
    if (GetParam().schema.isEmpty())
        bytes.truncate(bytes.size() / 2);
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(writeFile(m_file, bytes));

    EXPECT_FALSE(m_catalogue.open(m_file));
    EXPECT_FALSE(m_catalogue.errorString().isEmpty());
    EXPECT_FALSE(m_songs.refresh());
    EXPECT_TRUE(m_songs.eof());
    EXPECT_FALSE(m_songs.addNew());
    m_catalogue.close();
    EXPECT_EQ(readAll(m_file), bytes);
    EXPECT_FALSE(QFile::exists(m_file + u"-journal"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableCatalogue,
    ::testing::Values(
        UnusableFile{"Truncated", {}}, UnusableFile{"NoSongsTable", {u"CREATE TABLE albums (Title TEXT)"_s}},
        UnusableFile{"SongsMissingAField",
                     {u"CREATE TABLE songs (ID INTEGER PRIMARY KEY, Album TEXT, Path TEXT)"_s}},
        UnusableFile{"IdNotAutomatic", {u"CREATE TABLE songs (ID TEXT, "_s + kSongsFields + u')'}},
        UnusableFile{
            "SongsWithoutRowid",
            {u"CREATE TABLE songs (ID INTEGER PRIMARY KEY, "_s + kSongsFields + u") WITHOUT ROWID"_s}},
        // An AFTER DELETE trigger on opts emptied the albums at the second close.
        UnusableFile{"HoldsATrigger",
                     {kSongsTable, u"CREATE TABLE opts (folders TEXT, formcolor TEXT)"_s,
                      u"CREATE TRIGGER wipe AFTER DELETE ON opts BEGIN DELETE FROM songs; END"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

// Each text gives "column|value", or "-" when it is not a criteria text.
TEST(Criteria, TextsGiveColumnAndValueOrNothing)
{
    const std::pair<const char *, const char *> cases[] = {
        {"ID = 12", "0|12"},
        {"ID=12", "0|12"},
        {"  id \t=  007 ", "0|7"},
        {"Album =  'Abbey Lane'", "1|Abbey Lane"},
        {"album = 'Captain''s Log'", "1|Captain's Log"},
        {"Album = ''''''", "1|''"},
        {"Album = ''", "1|"},
        {"Path = 'C:\\Music\\Ünïcødé\\'", "2|C:\\Music\\Ünïcødé\\"},
        {"Album = 'x' OR '1'='1'", "-"},
        {"Album = 'open", "-"},
        {"Artist = 'x'", "-"},
        {"ID == 1", "-"},
        {"ID = ", "-"},
        {"= 1", "-"},
        {"ID = 1.5", "-"},
        {"ID = 99999999999999999999", "-"},
        {"", "-"}};
    for (const auto &[text, expected] : cases) {
        const auto parsed = parseCriteria(QString::fromUtf8(text), {u"ID"_s, u"Album"_s, u"Path"_s});
        EXPECT_EQ(parsed ? QString::number(parsed->column) + u'|' + parsed->value : u"-"_s,
                  QString::fromUtf8(expected))
            << text;
    }
}

} // namespace
