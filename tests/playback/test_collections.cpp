#include "core/collectionfile.h"
#include "core/playlistfile.h"
#include "playback/collections.h"
#include "playbackfixture.h"

#include <QDir>

#include <functional>
#include <map>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString kNotFound = u"File not found!  This album has been moved or changed"_s;

TEST(CollectionFiles, KeepEveryLineInOrderAndRoundTrip)
{
    QTemporaryDir dir;
    const AppFolder app(dir.path());
    ASSERT_TRUE(writeFile(app.file(u"road trip.ply"_s), "Alpha\r\nAlpha\r\n\r\nBeta\r\n"));
    ASSERT_TRUE(writeFile(app.file(u"Empty.ply"_s), ""));
    ASSERT_TRUE(writeFile(app.file(u"notes.txt"_s), "x"));
    EXPECT_EQ(CollectionFile::titles(app), (QStringList{u"Empty"_s, u"road trip"_s}));
    EXPECT_EQ(CollectionFile::read(app.file(u"road trip.ply"_s)),
              (QStringList{u"Alpha"_s, u"Alpha"_s, QString(), u"Beta"_s}));
    EXPECT_EQ(CollectionFile::read(app.file(u"Empty.ply"_s)), QStringList());

    // Titles that have broken programs before: percent signs (also as %1), non-Latin text, a leading dash.
    const QStringList albums{u"Über Alles"_s, u"Captain's Log"_s, u"Über Alles"_s};
    for (const QString &title :
         {u"Sommerabend – Café Ø"_s, u"100% Pure %1 %2"_s, u"Ünïcødé – 日本語 ♫"_s, u"-rf --help"_s}) {
        ASSERT_TRUE(CollectionFile::write(CollectionFile::path(app, title), albums)) << title.toStdString();
        EXPECT_EQ(readAll(CollectionFile::path(app, title)),
                  u"Über Alles\r\nCaptain's Log\r\nÜber Alles\r\n"_s.toUtf8());
        EXPECT_EQ(CollectionFile::read(CollectionFile::path(app, title)), albums);
        EXPECT_TRUE(CollectionFile::titles(app).contains(title)) << title.toStdString();
    }
}

TEST(CollectionFiles, TitlesThatCannotBePlainFileNamesAreRefused)
{
    for (const QString &bad :
         {u"\uFEFFhidden"_s, u"a/b"_s, u"..\\up"_s, u".."_s, u".hidden"_s, u"   "_s, u" padded"_s, u"what?"_s,
          u"It's \"quoted\""_s, u"tab\there"_s, QString(300, u'x')})
        EXPECT_TRUE(CollectionFile::titleProblem(bad).has_value()) << bad.toStdString();
    for (const QString &good : {u"Road trip"_s, u"Rock & Roll (1972)"_s, u"a..b"_s, u"Ünïcødé"_s})
        EXPECT_FALSE(CollectionFile::titleProblem(good).has_value()) << good.toStdString();
}

TEST(CollectionRows, OneRowFitsAndSixRowsScroll)
{
    const CollectionRows one = collpicsLayout(1, 311);
    EXPECT_EQ(one.innerHeight, 65);
    EXPECT_FALSE(one.scrollEnabled);
    const CollectionRows six = collpicsLayout(6, 311);
    EXPECT_EQ(six.innerHeight, 8 + 57 * 6);
    EXPECT_EQ(six.pictureTops.back(), 2 + 57 * 5);
    EXPECT_EQ(six.labelTops.back(), 7 + 57 * 5);
    EXPECT_TRUE(six.scrollEnabled);
    EXPECT_EQ(six.scrollMax, 39);
    EXPECT_EQ(six.smallStep, 1);
    EXPECT_EQ(six.largeStep, 2);
    EXPECT_EQ(collpicsLayout(200, 311).largeStep, (8 + 57 * 200 - 311) / 25 + 1);
}

// Every form of entry a playlist from another program may hold, and the path each names (or none).
TEST(PlaylistFiles, NameTheFilesOfThisMachineInOrder)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(u"Lists"_s);
    const QString list = base + u"/Party.m3u8"_s;
    const struct {
        QString line;
        QString path; // empty: the line names no file of this machine
    } cases[] = {
        {u"#EXTM3U"_s, {}},
        {u"#EXTINF:12,Someone - Something"_s, {}},
        {u"   "_s, {}},
        {u"/music/Alpha/01 One.mp3"_s, u"/music/Alpha/01 One.mp3"_s},
        {u"  /music/Alpha/02 Two.mp3  "_s, u"/music/Alpha/02 Two.mp3"_s},
        {u"file:///music/Caf%C3%A9/a%20b.ogg"_s, u"/music/Café/a b.ogg"_s},
        {u"file://localhost/music/Beta/b%231%25.mp3"_s, u"/music/Beta/b#1%.mp3"_s},
        {u"FILE://LOCALHOST/music/Beta/b2.mp3"_s, u"/music/Beta/b2.mp3"_s},
        {u"file://otherhost/music/x.mp3"_s, {}},
        {u"http://radio.invalid/stream"_s, {}},
        {u"Album\\03 Three.mp3"_s, base + u"/Album/03 Three.mp3"_s},
        {u"..\\Music\\Gamma\\g1.wav"_s, dir.filePath(u"Music/Gamma/g1.wav"_s)},
        {u"relative/ü.m4a"_s, base + u"/relative/ü.m4a"_s},
    };
    QByteArray text;
    QStringList expected;
    for (const auto &c : cases) {
        text += c.line.toUtf8() + "\r\n";
        if (!c.path.isEmpty())
            expected.append(c.path);
    }
    ASSERT_TRUE(writeFile(list, text));
    EXPECT_EQ(PlaylistFile::paths(list), expected);
    EXPECT_EQ(PlaylistFile::paths(dir.filePath(u"missing.m3u"_s)), QStringList());
}

// Collections mode over the fixture's catalogue (Alpha, Beta, Gamma).
class CollectionsTest : public PlaybackTest
{
protected:
    void writeCollection(const QString &title, const QByteArray &lines)
    {
        ASSERT_TRUE(writeFile(CollectionFile::path(m_app, title), lines));
    }
    QByteArray fileOf(const QString &title) const { return readAll(CollectionFile::path(m_app, title)); }
    // Imports a playlist, which is read on a worker thread and made into a collection afterwards.
    bool import(const QString &list)
    {
        std::optional<bool> made;
        m_collections.importPlaylist(list, [&made](bool ok) { made = ok; });
        EXPECT_FALSE(made.has_value()) << "read on the window's thread";
        for (int turn = 0; turn < 100 && !made; ++turn)
            settle(50);
        return made.value_or(false);
    }
    // New, with `title` typed into its box.
    void newTitled(const QString &title)
    {
        m_prompter.inputs = {title};
        m_collections.newColl();
    }

    Collections m_collections{m_playback, m_songs, m_app, m_player, m_prompter, m_random, m_view};
};

TEST_F(CollectionsTest, EnteringListsTheFilesAndLoadingOnePlaysFromIt)
{
    writeCollection(u"Road trip"_s, "Alpha\r\nAlpha\r\nBeta\r\n");
    writeCollection(u"another"_s, "Gamma\r\n");
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    m_collections.mnucoll();
    EXPECT_TRUE(m_playback.trackNames().isEmpty()) << "Alpha's tracks are not a collection's albums";
    EXPECT_TRUE(m_playback.collMode());
    EXPECT_TRUE(m_view.collectionsArea);
    EXPECT_EQ(m_view.status, u"Collections Mode"_s);
    EXPECT_EQ(m_collections.rows(), (QStringList{u"another"_s, u"Road trip"_s}));
    EXPECT_TRUE(m_collections.listShown());

    // floor(r × 3): r = 0.6 picks the second line (Alpha, listed twice), then Alpha's second track.
    m_random.script = {0.6, 0.5};
    m_collections.collpicclick(1);
    EXPECT_EQ(m_view.status, u"Collection: Road trip"_s);
    EXPECT_EQ(m_playback.trackNames(), (QStringList{u"Alpha"_s, u"Alpha"_s, u"Beta"_s}));
    EXPECT_EQ(m_player.url(), folderOf(u"Alpha"_s) + u"02 Two.ogg"_s);
    EXPECT_EQ(m_collections.status(), u"02 Two"_s);
    EXPECT_EQ(m_collections.coverPicture(), folderOf(u"Alpha"_s) + u"cover.jpg"_s);
    EXPECT_FALSE(m_collections.listShown());

    m_collections.collpicclick(0); // a second click does nothing
    EXPECT_EQ(m_view.status, u"Collection: Road trip"_s);

    m_random.script = {0.9, 0.0}; // Beta, which has no cover
    endTrack();
    EXPECT_EQ(m_player.url(), folderOf(u"Beta"_s) + u"b1.mp3"_s);
    EXPECT_EQ(m_collections.coverPicture(), m_app.noCoverPicture());
    m_random.script = {0.0, 0.9};
    m_playback.trackListKey(Playback::Key::Space);
    EXPECT_EQ(m_player.url(), folderOf(u"Alpha"_s) + u"03 Three.mp3"_s);
}

TEST_F(CollectionsTest, AlbumsThatCannotBeFoundSaySoAndPlayNothing)
{
    writeCollection(u"Gone"_s, "\r\nMoved Away\r\n");
    m_collections.mnucoll();
    m_playback.skipCollectionCover(); // nothing loaded yet: a pick from an empty list
    m_random.script = {0.0};          // the empty line
    m_collections.collpicclick(0);
    m_random.script = {0.9}; // "Moved Away"
    endTrack();
    EXPECT_EQ(m_prompter.messages, (QStringList{kNotFound, kNotFound, kNotFound}));
    EXPECT_EQ(m_player.plays, 0);
}

TEST_F(CollectionsTest, CreatingAddsClickedCoversAndSavesThemAsLinesUnlessTheTitleOrTheSaveFails)
{
    m_collections.mnucoll();
    newTitled(u"Sunday"_s);
    EXPECT_EQ(m_view.status, u"Click on an album cover to add it to your collection: Sunday"_s);
    const int gamma = slotOf(u"Gamma"_s);
    m_playback.coverPressed(gamma, true);
    EXPECT_EQ(m_player.plays, 1); // the first album starts playing
    m_playback.coverPressed(gamma, true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    m_playback.coverPressed(gamma, true);
    EXPECT_EQ(m_player.plays, 1);
    m_collections.saveNew();
    EXPECT_EQ(fileOf(u"Sunday"_s), "Gamma\r\nGamma\r\nAlpha\r\nGamma\r\n");
    EXPECT_EQ(m_collections.status(), u"Collection Sunday has been saved"_s);
    EXPECT_EQ(m_collections.rows(), QStringList{u"Sunday"_s});

    // The same title again replaces the file; it is listed once.
    newTitled(u"Sunday"_s);
    m_playback.coverPressed(slotOf(u"Beta"_s), true);
    m_collections.saveNew();
    EXPECT_EQ(fileOf(u"Sunday"_s), "Beta\r\n");
    EXPECT_EQ(m_collections.rows(), QStringList{u"Sunday"_s});

    newTitled(u"../escape"_s);
    EXPECT_TRUE(m_prompter.messages.last().contains(u"cannot be used as the title of a collection"_s));
    EXPECT_FALSE(m_collections.buttons().saveNew);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"../escape.ply"_s)));

    QDir().mkpath(CollectionFile::path(m_app, u"Taken"_s)); // a folder where the file should go
    newTitled(u"Taken"_s);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    m_collections.saveNew();
    EXPECT_TRUE(m_prompter.messages.last().startsWith(u"Collection Taken could not be saved"_s));
    EXPECT_NE(m_collections.status(), u"Collection Taken has been saved"_s);
    EXPECT_EQ(m_playback.trackNames(), QStringList{u"Alpha"_s}); // still there to save elsewhere
    EXPECT_TRUE(m_collections.buttons().saveNew);
}

TEST_F(CollectionsTest, EditingRemovesAndAddsAnEmptiedCollectionFindsNothingAndDeletingAsksFirst)
{
    writeCollection(u"Mix"_s, "Alpha\r\nBeta\r\nAlpha\r\n");
    m_collections.mnucoll();
    m_collections.collpicclick(0);
    m_collections.edit();
    m_playback.skipCollectionCover();
    EXPECT_EQ(m_prompter.messages, QStringList{u"Cannot skip tracks when editing collections..."_s});
    m_playback.selectTrack(2);
    EXPECT_EQ(m_view.collEditMenus, 1);
    const int lists = m_view.trackLists;
    m_playback.removeSelectedTrack();
    EXPECT_EQ(m_playback.trackNames(), (QStringList{u"Alpha"_s, u"Beta"_s}));
    EXPECT_EQ(m_view.trackLists, lists + 1); // and the list shown follows
    const int plays = m_player.plays;
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    EXPECT_EQ(m_player.plays, plays); // adding while editing leaves playback alone
    m_collections.saveEdit();
    EXPECT_EQ(fileOf(u"Mix"_s), "Alpha\r\nBeta\r\nGamma\r\n");

    m_collections.edit();
    for (int i = 0; i < 3; ++i) {
        m_playback.selectTrack(0);
        m_playback.removeSelectedTrack();
    }
    m_collections.saveEdit();
    EXPECT_EQ(fileOf(u"Mix"_s), QByteArray());
    EXPECT_EQ(m_prompter.messages.last(), kNotFound);

    m_prompter.answers = {Prompter::Answer::Cancel};
    m_collections.deleteCollection();
    EXPECT_TRUE(QFile::exists(CollectionFile::path(m_app, u"Mix"_s)));
    m_collections.deleteCollection();
    EXPECT_FALSE(QFile::exists(CollectionFile::path(m_app, u"Mix"_s)));
    EXPECT_EQ(m_view.status, u"Mix has been deleted"_s);
    EXPECT_EQ(m_collections.status(), u"No collections found."_s);
}

// The file is read by other players: absolute paths in UTF-8, one a line.
TEST_F(CollectionsTest, ALoadedCollectionExportsEveryTrackOfEachAlbumOnce)
{
    mark(u"Beta"_s, u"The Betas"_s, u"Artist"_s);
    ASSERT_TRUE(writeFile(folderOf(u"Alpha"_s) + u"04 Café Ø.ogg"_s, {}));
    writeCollection(u"Mix"_s, "Alpha\r\nBeta\r\nAlpha\r\n");
    m_collections.mnucoll();
    const QString file = m_dir.filePath(u"Mix.m3u8"_s);
    EXPECT_FALSE(m_collections.exportPlaylist(file)); // nothing loaded yet
    m_collections.collpicclick(0);
    ASSERT_TRUE(m_collections.exportPlaylist(file));
    // Alpha has no artist (an album made by hand), so its title stands in.
    QString expected = u"#EXTM3U\n"_s;
    for (const auto &[album, track] : {std::pair{u"Alpha"_s, u"01 One.wav"_s},
                                       {u"Alpha"_s, u"02 Two.ogg"_s},
                                       {u"Alpha"_s, u"03 Three.mp3"_s},
                                       {u"Alpha"_s, u"04 Café Ø.ogg"_s},
                                       {u"Beta"_s, u"b1.mp3"_s},
                                       {u"Beta"_s, u"B2.MP3"_s}}) {
        const QString artist = album == u"Beta"_s ? u"The Betas"_s : album;
        expected += u"#EXTINF:-1,%1 - %2\n%3%4\n"_s.arg(artist, QFileInfo(track).completeBaseName(),
                                                        folderOf(album), track);
    }
    EXPECT_EQ(readAll(file), expected.toUtf8());
}

TEST_F(CollectionsTest, APlaylistBecomesACollectionOfTheAlbumsItsTracksBelongTo)
{
    const QString gamma = folderOf(u"Gamma"_s);
    const QString alpha = folderOf(u"Alpha"_s);
    const QString list = m_dir.filePath(u"Music/Party.m3u8"_s);
    ASSERT_TRUE(writeFile(list, (u"#EXTM3U\n"_s + gamma + u"g2.wav\n"_s + alpha + u"01 One.wav\n"_s + gamma +
                                 u"g4.wav\n/elsewhere/song.mp3\n"_s)
                                    .toUtf8()));
    m_collections.mnucoll();
    ASSERT_TRUE(import(list));
    EXPECT_EQ(fileOf(u"Party"_s), "Gamma\r\nAlpha\r\n");
    EXPECT_EQ(m_collections.rows(), QStringList{u"Party"_s});

    const QString stranger = m_dir.filePath(u"stranger.m3u"_s);
    ASSERT_TRUE(writeFile(stranger, "/nowhere/a.mp3\r\n"));
    EXPECT_FALSE(import(stranger));
    EXPECT_TRUE(m_prompter.messages.last().startsWith(u"None of the tracks of stranger.m3u"_s));
    EXPECT_FALSE(QFile::exists(CollectionFile::path(m_app, u"stranger"_s)));
}

// The button states after each sequence of actions, as one table.
enum class Act { Load, New, NewUntitled, RemoveFirst, AddSecond, PickBeta, SaveNew, Edit, SaveEdit, Delete };

struct ButtonCase {
    const char *name;
    std::vector<Act> acts;
    Collections::Buttons buttons; // myColls, new, saveNew, delete, edit, saveEdit, cover
    bool coversEnabled;
};

using lumetra::test::PrintTo;

class ButtonStates : public CollectionsTest, public ::testing::WithParamInterface<ButtonCase>
{
};

TEST_P(ButtonStates, FollowTheTable)
{
    writeCollection(u"First"_s, "Alpha\r\n");
    m_collections.mnucoll();
    const std::map<Act, std::function<void()>> run = {
        {Act::Load, [this] { m_collections.collpicclick(0); }},
        {Act::New, [this] { newTitled(u"Next"_s); }},
        {Act::NewUntitled, [this] { newTitled(QString()); }},
        {Act::RemoveFirst, [this] { QFile::remove(CollectionFile::path(m_app, u"First"_s)); }},
        {Act::AddSecond, [this] { writeCollection(u"Second"_s, "Beta\r\n"); }},
        {Act::PickBeta, [this] { m_playback.coverPressed(slotOf(u"Beta"_s), true); }},
        {Act::SaveNew, [this] { m_collections.saveNew(); }},
        {Act::Edit, [this] { m_collections.edit(); }},
        {Act::SaveEdit, [this] { m_collections.saveEdit(); }},
        {Act::Delete, [this] { m_collections.deleteCollection(); }},
    };
    for (const Act act : GetParam().acts)
        run.at(act)();
    EXPECT_EQ(m_collections.buttons(), GetParam().buttons);
    EXPECT_EQ(m_view.slotsEnabled, GetParam().coversEnabled);
}

constexpr bool T = true;
constexpr bool F = false;

INSTANTIATE_TEST_SUITE_P(
    Actions, ButtonStates,
    ::testing::Values(
        ButtonCase{"Entered", {}, {T, T, F, F, F, F, T}, false},
        ButtonCase{"Loaded", {Act::Load}, {T, F, F, T, T, F, T}, false},
        ButtonCase{"NewWithTitle", {Act::New}, {F, F, T, F, F, F, T}, true},
        ButtonCase{"NewWithoutTitle", {Act::NewUntitled}, {T, T, F, F, F, F, T}, false},
        ButtonCase{
            "NewWithoutTitleNoFile", {Act::RemoveFirst, Act::NewUntitled}, {F, T, F, F, F, F, F}, false},
        ButtonCase{"SaveNew", {Act::New, Act::PickBeta, Act::SaveNew}, {T, T, F, F, F, F, T}, false},
        ButtonCase{"Edit", {Act::Load, Act::Edit}, {F, F, F, F, F, T, T}, true},
        ButtonCase{"SaveEdit", {Act::Load, Act::Edit, Act::SaveEdit}, {T, F, F, T, T, F, T}, false},
        ButtonCase{
            "DeleteWithFilesLeft", {Act::AddSecond, Act::Load, Act::Delete}, {T, T, F, F, F, F, T}, false},
        ButtonCase{"DeleteTheLast", {Act::Load, Act::Delete}, {F, T, F, F, F, F, F}, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
