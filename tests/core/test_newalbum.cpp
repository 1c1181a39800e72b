#include "core/albumfiles.h"
#include "core/newalbumform.h"
#include "support/fakes.h"
#include "support/testlibrary.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(AlbumFileRules, NamesTitlesAndTheNameBox)
{
    EXPECT_TRUE(AlbumFiles::isMusicName(u"x.m4a"_s));
    EXPECT_EQ(AlbumFiles::renameTitle(u"A&B&C\nD"_s), u"AandBandC D"_s);
    int cursor = 4;
    EXPECT_EQ(AlbumFiles::substituteSeparator(u"AC/DC"_s, u'/', cursor), u"AC-D-C"_s);
    EXPECT_EQ(cursor, 5);
}

TEST(AlbumFileRules, ACopyReplacesTheTargetOnlyWhenComplete)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(u"song.mp3"_s);
    const QString target = dir.filePath(u"album/song.mp3"_s);
    ASSERT_TRUE(writeFile(source, QByteArray(3 << 20, 'n')));
    ASSERT_TRUE(writeFile(target, "old"));
    qint64 reported = 0;
    ASSERT_TRUE(AlbumFiles::copyFile(source, target, [&](qint64 done, qint64) { reported = done; }));
    EXPECT_EQ(readAll(target), readAll(source));
    EXPECT_EQ(reported, 3 << 20);

    QString error;
    EXPECT_FALSE(
        AlbumFiles::copyFile(dir.filePath(u"missing.mp3"_s), dir.filePath(u"album/new.mp3"_s), {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.filePath(u"album"_s)).entryList(QDir::Files), QStringList{u"song.mp3"_s});
}

// An application folder whose music folder (jb.ini line 1) is <tmp>/Music, with a catalogue.
class NewAlbumTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(m_app.file(u"jb.ini"_s), m_music.toUtf8() + "\r\n2400\r\n"));
        ASSERT_TRUE(load({{u"Taken"_s}}));
    }
    QString source(const QString &name)
    {
        const QString path = m_dir.filePath(u"incoming/"_s + name);
        writeFile(path, name.toUtf8());
        return path;
    }
    QStringList records()
    {
        return querySql(m_app.file(u"tracks.lum"_s), u"SELECT Album, Path FROM songs ORDER BY ID"_s);
    }

    QString m_music = m_dir.filePath(u"Music"_s); // made by the catalogue's album
    FakePrompter m_prompter;
    NewAlbumForm m_form{m_songs, m_app, m_prompter};
};

// With fewer than two albums the user is told that a restart shows the new one.
TEST_F(NewAlbumTest, CopyModeMakesTheFolderCopiesOnlyMusicAndAddsOneRecord)
{
    QDir().mkpath(m_dir.filePath(u"incoming/folder.mp3"_s));
    m_form.drop({source(u"a.mp3"_s), source(u"b.MP3"_s), source(u"c.wav"_s),
                 m_dir.filePath(u"incoming/folder.mp3"_s)});
    EXPECT_EQ(m_form.tracks(), QStringList{m_dir.filePath(u"incoming/a.mp3"_s)});
    const QString other = m_dir.filePath(u"other"_s);
    writeFile(other + u"/x.wav"_s, "x");
    writeFile(other + u"/y.mp3"_s, "y");
    m_form.addFolder(other);
    EXPECT_EQ(m_form.tracks().size(), 3);

    m_form.setTitle(u"Rain & Snow: Live*"_s);
    ASSERT_TRUE(writeFile(m_app.file(u"jb.ini"_s), "(Lumetra default)\r\n")); // the same folder
    ASSERT_TRUE(m_form.create(1));
    const QString folder = m_music + u"/Rain and Snow, Live-"_s;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{u"a.mp3"_s, u"y.mp3"_s}));
    EXPECT_EQ(readAll(folder + u"/a.mp3"_s), "a.mp3");
    EXPECT_TRUE(m_form.tracks().isEmpty());
    EXPECT_EQ(records().last(), u"Rain and Snow, Live-|"_s + folder + u'/');
    EXPECT_TRUE(m_prompter.messages.value(0).startsWith(u"If you have less than 2 albums in Lumetra"_s));
    EXPECT_EQ(m_prompter.messages.mid(1), QStringList{u"New album created!"_s});
}

// The title is one line; the record's Path keeps the folder's real name.
TEST_F(NewAlbumTest, AddInPlaceRecordsTheFolderAndCopiesNothing)
{
    const QString album = m_dir.filePath(u"Elsewhere/Blue\nHour"_s);
    writeFile(album + u"/1.ogg"_s, "1");
    m_form.chooseLocate();
    m_form.locate(album);
    EXPECT_EQ(m_form.title(), u"Blue\nHour"_s);
    ASSERT_TRUE(m_form.create(5));
    EXPECT_EQ(records().last(), u"Blue Hour|"_s + album + u'/');
    EXPECT_EQ(QDir(album).entryList(QDir::Files), QStringList{u"1.ogg"_s});
    EXPECT_FALSE(QFileInfo::exists(m_music + u"/Blue Hour"_s) ||
                 QFileInfo::exists(m_music + u"/Blue\nHour"_s));
}

TEST_F(NewAlbumTest, RefusalsComeBeforeAnythingIsMadeOnDisk)
{
    EXPECT_FALSE(m_form.create(5));
    m_form.drop({source(u"a.mp3"_s)});
    m_form.setTitle(u"Taken"_s); // a blank title is a row of NewAlbumTitle
    EXPECT_FALSE(m_form.create(5));
    EXPECT_FALSE(QFileInfo::exists(m_music + u"/Taken"_s));
    QDir().mkpath(m_music + u"/Exists"_s);
    m_form.setTitle(u"Exists"_s);
    EXPECT_FALSE(m_form.create(5));
    EXPECT_EQ(
        m_prompter.messages,
        (QStringList{
            u"No tracks have yet been added - please drag music tracks to the left hand pain or use the "
            "Copy from Folder button"_s,
            u"Lumetra already has an album with this name listed!  Please choose a different name."_s,
            NewAlbumForm::folderExistsText()}));
    EXPECT_EQ(records().size(), 1);
    m_form.removeTrack(-1);
    EXPECT_EQ(m_prompter.messages.last(), u"Please Select a Track first"_s);
}

// However the title arrived, the album's folder is made directly in the music folder or not at all.
struct TitleCase {
    const char *typed;
    const char *folder; // made in the music folder; empty when the title is refused
    QString message = u"New album created!"_s;
};

QString notAFolder(const char *name)
{
    return u"\"%1\" cannot be the name of an album folder - please choose a different name."_s.arg(
        QString::fromUtf8(name));
}

void PrintTo(const TitleCase &c, std::ostream *os)
{
    *os << c.typed;
}

class NewAlbumTitle : public NewAlbumTest, public ::testing::WithParamInterface<TitleCase>
{
};

TEST_P(NewAlbumTitle, NamesOneFolderOfTheMusicFolder)
{
    m_form.drop({source(u"a.mp3"_s)});
    m_form.setTitle(QString::fromUtf8(GetParam().typed));
    const QString folder = QString::fromUtf8(GetParam().folder);
    EXPECT_EQ(m_form.create(5), !folder.isEmpty());
    EXPECT_EQ(m_prompter.messages.value(0), GetParam().message);
    auto folders = [](const QString &in) {
        return QDir(in).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
    };
    QStringList made = folders(m_music);
    made.removeOne(u"album0"_s); // the catalogue's album
    EXPECT_EQ(made, folder.isEmpty() ? QStringList{} : QStringList{folder});
    EXPECT_EQ(folders(m_dir.path()), (QStringList{u"incoming"_s, u"Music"_s}));
}

INSTANTIATE_TEST_SUITE_P(Titles, NewAlbumTitle,
                         ::testing::Values(TitleCase{"../Escaped", "", notAFolder("..-Escaped")},
                                           TitleCase{"..", "", notAFolder("..")},
                                           TitleCase{"Gravel/Hymns II", "Gravel-Hymns II"},
                                           TitleCase{"Back\\Slash", "Back-Slash"},
                                           TitleCase{"Two\r\nLines", "Two  Lines"},
                                           TitleCase{"  ", "", u"Please enter a title."_s},
                                           // Names that have broken programs before.
                                           TitleCase{"It's \"quoted\"", "It's \"quoted\""},
                                           TitleCase{"100% Pure %1 %2", "100% Pure %1 %2"},
                                           TitleCase{"Ünïcødé – 日本語 ♫", "Ünïcødé – 日本語 ♫"}));

} // namespace
