#include "party/guestrules.h"
#include "party/norepeat.h"
#include "party/party.h"
#include "party/partyguard.h"
#include "remote/remote.h"
#include "remote/remotetesting.h"
#include "support/fakes.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

constexpr int kFastIterations = 1000; // keys for tests that do not look at the cost
const QString kPin = u"27081964"_s;

class PartyFile : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(PartySettings::fileName()); }
    QByteArray contents() const { return readAll(path()); }

    QTemporaryDir m_dir;
};

// A lock read back is the window tests' and the hostile files'; the PIN itself is never written.
TEST_F(PartyFile, ThePinIsKeptOnlyAsAKeyUnderAFreshSalt)
{
    Party party(path());
    ASSERT_TRUE(party.lockWith(kPin, {}));
    EXPECT_FALSE(contents().contains(kPin.toLatin1()));
    EXPECT_FALSE(contents().contains(kPin.toLatin1().toHex()));
    const PinKey first = PartySettings::load(path()).settings.pin;
    EXPECT_EQ(first.salt.size(), 16);
    EXPECT_TRUE(PartyLock::matches(first, kPin));
    ASSERT_TRUE(party.lockWith(kPin, {}));
    EXPECT_NE(PartySettings::load(path()).settings.pin.salt, first.salt);
}

struct Hostile {
    const char *name;
    QByteArray from, to;                          // replaced in a valid locked file with the remote on
    const char *said;                             // the message begins so; "" for none
    bool usable;                                  // the lock holds
    bool (*plant)(const QString &path) = nullptr; // then done to it
};

class HostilePartyFile : public PartyFile, public ::testing::WithParamInterface<Hostile>
{
};

// Whatever party.ini holds or is, a start reads it without blocking, never locks the host out, says what it
// did once, removes what a killed write left and writes nothing, not even a token for the remote: a lock it
// cannot read stays for the host to mend. The user's next change writes a regular file in its place.
TEST_P(HostilePartyFile, IsLeftAsItIsUntilTheUserChangesPartyMode)
{
    const Hostile &c = GetParam();
    PartySettings locked;
    locked.partyMode = locked.locked = true;
    locked.pin = PartyLock::makeKey(kPin, kFastIterations);
    locked.remote = {true, PartySettings::Remote::kDefaultPort, "abcdefghijklmnopqrstuvwx"};
    ASSERT_TRUE(locked.save(path()));
    if (!c.from.isEmpty()) {
        ASSERT_TRUE(writeFile(path(), contents().replace(c.from, c.to)));
    }
    ASSERT_TRUE(!c.plant || c.plant(path()));
    const QString leftover = path() + u".Xk3q9Z"_s;
    ASSERT_TRUE(writeFile(leftover, "[remote]\ntoken=abcdefghijklmnopqrstuvwx\n"));
    const QByteArray before = QFileInfo(path()).isFile() ? contents() : QByteArray();

    Party party(path());
    const QString said = party.load();
    FakeHost host;
    Remote(host, party, {m_dir.filePath(u"tracks.lum"_s), {}, m_dir.filePath(u"cache"_s)}).start();
    EXPECT_EQ(said.left(int(qstrlen(c.said))), QString::fromUtf8(c.said));
    EXPECT_EQ(said.isEmpty(), !*c.said) << qPrintable(said);
    EXPECT_EQ(party.isLocked(), c.usable);
    EXPECT_EQ(QFileInfo(path()).isFile() ? contents() : QByteArray(), before);
    EXPECT_EQ(QFile::permissions(path()) & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), 0);
    EXPECT_FALSE(QFileInfo::exists(leftover));

    const QString target = QFileInfo(path()).symLinkTarget();
    const QByteArray targetBefore = target.isEmpty() ? QByteArray() : readAll(target);
    ASSERT_TRUE(party.setOn(true));
    EXPECT_TRUE(QFileInfo(path()).isFile() && !QFileInfo(path()).isSymLink());
    EXPECT_EQ(target.isEmpty() ? QByteArray() : readAll(target), targetBefore);
    EXPECT_EQ(QDir(m_dir.path()).entryList({u"party.ini.*"_s}, QDir::Files | QDir::System), QStringList());
}

const char *const kUnusable = "The party settings in party.ini could not be used: ";
using Plant = bool (*)(const QString &path);
const Plant kLoosened = [](const QString &p) {
    return QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadOther);
};
const Plant kFifo = [](const QString &p) {
    return QFile::remove(p) && mkfifo(QFile::encodeName(p).constData(), 0600) == 0;
};
const Plant kLinked = [](const QString &p) {
    return QFile::rename(p, p + u"~"_s) && QFile::link(p + u"~"_s, p);
};
const Plant kHalved = [](const QString &p) { return QFile(p).resize(QFile(p).size() / 2); };

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePartyFile,
    ::testing::Values(Hostile{"ReadableByOthers", {}, {}, "Other users of this computer", true, kLoosened},
                      Hostile{"AFifo", {}, {}, kUnusable, false, kFifo},
                      Hostile{"ThroughALink", {}, {}, "", true, kLinked},
                      Hostile{"ARemoteTokenTooShort", "token=abcdefghijklmnopq", "token=", "", true},
                      Hostile{"TruncatedInHalf", {}, {}, kUnusable, false, kHalved},
                      Hostile{"Garbage", "[party]", QByteArray("\x00\xff[[=", 5), kUnusable, false},
                      Hostile{"LockedWithoutRounds", "pinIterations=1000", "pinIterations=0", kUnusable,
                              false},
                      Hostile{"RoundsEnoughToStallEveryCheck", "pinIterations=1000", "pinIterations=1000001",
                              kUnusable, false},
                      Hostile{"ModeNotABoolean", "mode=true", "mode=yes", kUnusable, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PartyFile, AWriteKeepsWhatOthersStoreAndAFailedOneChangesNothing)
{
    {
        QSettings others(path(), QSettings::IniFormat);
        others.setValue(u"elsewhere/value"_s, 8642);
    }
    Party party(path());
    party.load();
    ASSERT_TRUE(party.setOn(true));
    EXPECT_EQ(QSettings(path(), QSettings::IniFormat).value(u"elsewhere/value"_s).toInt(), 8642);
    PartySettings shorter = party.settings();
    shorter.historyTracks = 7;
    ASSERT_TRUE(party.change(shorter));
    EXPECT_EQ(party.history().trackLimit(), 7) << "the history takes a new N at once";
    EXPECT_EQ(PartySettings::load(path()).settings.historyTracks, 7);

    Party nowhere(m_dir.filePath(u"missing/party.ini"_s));
    nowhere.load();
    QString error;
    EXPECT_FALSE(nowhere.setOn(true, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(nowhere.isOn());
    EXPECT_FALSE(nowhere.lockWith(kPin, {}, &error));
    EXPECT_FALSE(nowhere.isLocked());
}

// The phone remote's keys and the quietest volume came later than party mode's: a file without them is
// whole, and damaged party values leave the remote as it was set.
TEST_F(PartyFile, TheRemotesKeysAreReadOnTheirOwn)
{
    PartySettings written;
    written.partyMode = true;
    written.guests.maxVolume = 15;
    ASSERT_TRUE(written.save(path()));
    ASSERT_TRUE(
        writeFile(path(), contents().replace("[remote]", "[old]").replace("minVolume", "oldMinVolume")));
    PartySettings::Loaded older = PartySettings::load(path());
    EXPECT_EQ(older.status, PartySettings::Status::Read);
    EXPECT_EQ(older.settings.remote, PartySettings::Remote{});
    EXPECT_EQ(older.settings.guests.minVolume, 15) << "never above the loudest";
    written.guests = {};

    written.remote = {true, 9000, "abcdefghijklmnopqrstuvwx"};
    ASSERT_TRUE(written.save(path()));
    EXPECT_EQ(PartySettings::load(path()).settings, written);
    ASSERT_TRUE(writeFile(path(), contents().replace("mode=true", "mode=yes")));
    const PartySettings::Loaded damaged = PartySettings::load(path());
    EXPECT_EQ(damaged.status, PartySettings::Status::Damaged);
    EXPECT_FALSE(damaged.settings.partyMode);
    EXPECT_EQ(damaged.settings.remote, written.remote);
}

TEST(PartyLock, PinsAreFourToEightDigits)
{
    for (const char *pin : {"1234", "00000000", "987654"})
        EXPECT_TRUE(PartyLock::isValidPin(QString::fromLatin1(pin))) << pin;
    for (const char *pin : {"", "123", "123456789", "12a4", " 1234", "１２３４"})
        EXPECT_FALSE(PartyLock::isValidPin(QString::fromUtf8(pin))) << pin;
}

TEST(PartyGuard, ALockedCommandAsksForThePinAndAWrongOneIsRefusedWithANotice)
{
    QTemporaryDir dir;
    qint64 now = 0;
    Party party(dir.filePath(PartySettings::fileName()), [&now] { return now; });
    party.load();
    FakePrompter prompter;
    QStringList notices;
    PartyGuard guard(party, prompter, [&notices](const QString &text) { notices.append(text); });

    ASSERT_TRUE(party.lockWith(kPin, {.maySkip = true}));
    EXPECT_TRUE(guard.permit(PartyCommand::Skip)) << "as the rules allow";
    EXPECT_TRUE(prompter.prompts.isEmpty());

    // A right PIN lets one command through and clears the count of wrong ones; the third wrong in a row
    // pauses every try for a minute, without a box.
    prompter.inputs = {u"0000"_s, u"0001"_s, kPin, std::nullopt, u"0002"_s, u"0003"_s, u"0004"_s};
    EXPECT_FALSE(guard.permit(PartyCommand::Delete));
    EXPECT_FALSE(guard.permit(PartyCommand::Delete));
    EXPECT_TRUE(guard.permit(PartyCommand::Delete));
    EXPECT_TRUE(party.isLocked());
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(guard.permit(PartyCommand::Settings));
    EXPECT_EQ(notices, (QStringList{u"Wrong PIN."_s, u"Wrong PIN."_s, u"Wrong PIN."_s, u"Wrong PIN."_s,
                                    u"Too many wrong PINs: try again in 60 seconds."_s}));
    EXPECT_EQ(prompter.prompts.size(), 7);
    now += PartyLock::kPauseMs - 500;
    EXPECT_FALSE(guard.permit(PartyCommand::CloseWindow));
    EXPECT_EQ(prompter.prompts.size(), 7) << "no box during the pause";
    EXPECT_EQ(notices.last(), u"Too many wrong PINs: try again in 1 seconds."_s);

    now += 500;
    prompter.inputs = {kPin};
    EXPECT_TRUE(guard.unlock());
    EXPECT_FALSE(party.isLocked());
    EXPECT_TRUE(party.isOn());
}

TEST(GuestQueueing, ARefusalSaysWhy)
{
    struct Case {
        int waiting;  // people's picks waiting already, the first of them the track
        int playsAgo; // 0: never played
        const char *refusal;
    };
    for (const Case &c :
         {Case{3, 0, "\"Song\" is already waiting in the queue."},
          Case{0, 50, "\"Song\" played a short while ago; please choose another track."}, Case{0, 51, ""}}) {
        const QString track = u"/m/Album/Song.mp3"_s;
        PlayHistory history;
        if (c.playsAgo > 0)
            history.record(track);
        for (int i = 1; i < c.playsAgo; ++i)
            history.record(u"/m/Other/%1.mp3"_s.arg(i));
        QStringList waiting;
        for (int i = 0; i < c.waiting; ++i)
            waiting.append(i == 0 ? u"/m/Album//Song.mp3"_s : u"/m/B/%1.mp3"_s.arg(i));
        EXPECT_EQ(GuestRules().refusal(track, u"Song"_s, waiting, history, 50), QString::fromUtf8(c.refusal))
            << c.playsAgo;
    }
}

// Album `a` of /lib/A00 ..., and its track `t`.
QString album(int a)
{
    return u"/lib/A%1"_s.arg(a, 2, 10, QChar(u'0'));
}

QStringList tracksOf(int a, int count)
{
    QStringList files;
    for (int t = 0; t < count; ++t)
        files.append(album(a) + u"/t%1.mp3"_s.arg(t));
    return files;
}

TEST(NoRepeat, AnAlbumWhoseTracksAllPlayedLatelyIsPassedOverForTheRestOfThePick)
{
    PlayHistory history;
    for (const QString &track : tracksOf(0, 2) + tracksOf(3, 1))
        history.record(track);                         // recent albums: A03, A00
    history.setLimits(PlayHistory::kDefaultTracks, 1); // only A03 counts as a recent album
    ScriptedRandom random;
    random.script = {0.0, 0.9};
    NoRepeatPick pick(&history, random, 4, album);
    EXPECT_EQ(pick.drawAlbum(), 0);
    EXPECT_EQ(pick.drawTrack(album(0), tracksOf(0, 2)), -1);
    random.script = {0.0, 0.9, 0.0};
    EXPECT_EQ(pick.drawAlbum(), 1) << "A00 passed over, A03 recent: the draw of 0.0 is rejected";
    NoRepeatPick refused(&history, random, 4, album); // an album refused for another reason: passed over too
    refused.refuse(0);
    EXPECT_EQ(refused.drawAlbum(), 1);
}

TEST(PlayHistory, AlbumsCountOnceAndATrackIsKnownByItsCleanPath)
{
    PlayHistory history;
    history.setLimits(2, 2);
    history.record(u"/m/A//1.mp3"_s);
    history.record(u"/m/B/1.mp3"_s);
    history.record(u"/m/A/2.mp3"_s);
    EXPECT_TRUE(history.albumWithin(u"/m/A/"_s, 2));
    EXPECT_TRUE(history.albumWithin(u"/m/B"_s, 2));
    EXPECT_FALSE(history.playedWithin(u"/m/A/1.mp3"_s, 2)) << "the third play pushed it out";
    history.record(u"/m/A/2.mp3"_s); // started again: the same play
    EXPECT_TRUE(history.playedWithin(u"/m/B//1.mp3"_s, 2));
    EXPECT_EQ(history.trackWindow(3), 1);
    EXPECT_EQ(history.albumWindow(100), 2);
}

} // namespace
