#include "party/guestrules.h"
#include "party/party.h"
#include "party/partyguard.h"
#include "remote/remote.h"
#include "remote/remotetesting.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTcpServer>
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
    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(PartyFile, ALockSurvivesARestartAndKeepsThePinOnlyAsASaltedKey)
{
    {
        Party party(path());
        EXPECT_TRUE(party.load().isEmpty());
        EXPECT_FALSE(party.isOn()) << "no party.ini: party mode off";
        GuestRules rules;
        rules.maxWaiting = 4;
        rules.maySkip = true;
        rules.maxVolume = 70;
        ASSERT_TRUE(party.lockWith(kPin, rules));
    }
    EXPECT_FALSE(contents().contains(kPin.toLatin1()));
    EXPECT_FALSE(contents().contains(kPin.toLatin1().toHex()));

    Party restarted(path());
    EXPECT_TRUE(restarted.load().isEmpty());
    EXPECT_TRUE(restarted.isOn());
    EXPECT_TRUE(restarted.isLocked());
    EXPECT_EQ(restarted.guests().maxWaiting, 4);
    EXPECT_TRUE(restarted.guests().maySkip);
    EXPECT_EQ(restarted.guests().maxVolume, 70);
    EXPECT_EQ(restarted.settings().pin.salt.size(), 16);
    EXPECT_EQ(restarted.lock().check(u"27081965"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(restarted.lock().check(kPin), PartyLock::Check::Right);

    // The same PIN locked again gets another salt, so another key.
    const PinKey first = restarted.settings().pin;
    ASSERT_TRUE(restarted.lockWith(kPin, {}));
    Party again(path());
    again.load();
    EXPECT_NE(again.settings().pin.salt, first.salt);
    EXPECT_NE(again.settings().pin.key, first.key);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Hostile {
    const char *name;
    void (*plant)(const QString &path, QByteArray valid); // party.ini from a valid locked one
    const char *said;                                      // the message begins so; "" for none
    bool usable;                                           // the lock holds
};

void PrintTo(const Hostile &c, std::ostream *os)
{
    *os << c.name;
}

class HostilePartyFile : public PartyFile, public ::testing::WithParamInterface<Hostile>
{
protected:
    void SetUp() override { qputenv("TMPDIR", QFile::encodeName(m_scratch.path())); }
    void TearDown() override { qputenv("TMPDIR", m_tmp); }

    QByteArray m_tmp = qgetenv("TMPDIR");
    QTemporaryDir m_scratch;
};

// Whatever party.ini holds or is, a start reads it without blocking, never locks the host out, says what it
// did once and writes nothing, not even a token for the remote: a lock it cannot read stays for the host to
// mend. The user's next change writes a regular file in its place, in its own folder only.
TEST_P(HostilePartyFile, IsLeftAsItIsUntilTheUserChangesPartyMode)
{
    const Hostile &c = GetParam();
    PartySettings locked;
    locked.partyMode = true;
    locked.locked = true;
    locked.pin = PartyLock::makeKey(kPin, kFastIterations);
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    locked.remote = {false, probe.serverPort(), "abcdefghijklmnopqrstuvwx"};
    probe.close();
    ASSERT_TRUE(locked.save(path()));
    c.plant(path(), contents());
    const QString leftover = path() + u".Xk3q9Z"_s; // a write cut short by a kill, with the token in it
    writeBytes(leftover, "[remote]\ntoken=abcdefghijklmnopqrstuvwx\n");
    const QByteArray before = QFileInfo(path()).isFile() ? contents() : QByteArray();

    Party party(path());
    const QString said = party.load();
    FakeHost host;
    Remote remote(host, party, {m_dir.filePath(u"tracks.lum"_s), {}, m_dir.filePath(u"cache"_s)});
    remote.start();
    EXPECT_EQ(said.left(int(qstrlen(c.said))), QString::fromUtf8(c.said));
    EXPECT_EQ(said.isEmpty(), !*c.said) << qPrintable(said);
    EXPECT_EQ(party.isLocked(), c.usable);
    EXPECT_EQ(party.isOn(), c.usable);
    if (QFileInfo(path()).isFile()) {
        EXPECT_EQ(contents(), before);
        EXPECT_EQ(QFile::permissions(path()) & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(leftover));

    const QString target = QFileInfo(path()).symLinkTarget();
    const QByteArray targetBefore = bytesOf(target);
    ASSERT_TRUE(party.setOn(true));
    EXPECT_TRUE(QFileInfo(path()).isFile() && !QFileInfo(path()).isSymLink());
    EXPECT_EQ(bytesOf(target), targetBefore);
    EXPECT_EQ(QDir(m_dir.path()).entryList({u"party.ini.*"_s}, QDir::Files | QDir::Hidden | QDir::System),
              QStringList());
    EXPECT_TRUE(QDir(m_scratch.path()).isEmpty());
}

const char *const kUnusable = "The party settings in party.ini could not be used: ";

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePartyFile,
    ::testing::Values(
        Hostile{"ReadableByOthers",
                [](const QString &path, QByteArray) {
                    ASSERT_TRUE(QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther |
                                                                QFile::WriteOther | QFile::ReadGroup));
                },
                "Other users of this computer could read party.ini; now only you can.", true},
        Hostile{"AFifo",
                [](const QString &path, QByteArray) {
                    QFile::remove(path);
                    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                },
                "The party settings in party.ini could not be used: it is not a regular file.", false},
        Hostile{"ThroughALink",
                [](const QString &path, QByteArray valid) {
                    const QString elsewhere = QFileInfo(path).dir().filePath(u"elsewhere"_s);
                    writeBytes(elsewhere, valid);
                    QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner);
                    QFile::remove(path);
                    ASSERT_TRUE(QFile::link(elsewhere, path));
                },
                "", true},
        Hostile{"ARemoteTokenTooShort",
                [](const QString &path, QByteArray valid) {
                    writeBytes(path, valid.replace("on=false", "on=true").replace("token=abcdefghijklmnopq",
                                                                                  "token="));
                },
                "", true},
        Hostile{"TruncatedInHalf",
                [](const QString &path, QByteArray valid) { writeBytes(path, valid.left(valid.size() / 2)); },
                kUnusable, false},
        Hostile{"Garbage",
                [](const QString &path, QByteArray) {
                    writeBytes(path, QByteArray("\x00\xff[[=\x01\nlocked=maybe\n", 20));
                },
                kUnusable, false},
        Hostile{"Empty", [](const QString &path, QByteArray) { writeBytes(path, {}); }, kUnusable, false},
        Hostile{"LockedWithoutKey",
                [](const QString &path, QByteArray valid) {
                    const qsizetype at = valid.indexOf("pinKey=");
                    writeBytes(path, valid.left(at + 7) + valid.mid(valid.indexOf('\n', at)));
                },
                kUnusable, false},
        Hostile{"ModeNotABoolean",
                [](const QString &path, QByteArray valid) { writeBytes(path, valid.replace("mode=true", "mode=yes")); },
                kUnusable, false},
        Hostile{"VolumeOutOfRange",
                [](const QString &path, QByteArray valid) {
                    writeBytes(path, valid.replace("maxVolume=100", "maxVolume=250"));
                },
                kUnusable, false},
        Hostile{"RoundsEnoughToStallEveryCheck",
                [](const QString &path, QByteArray valid) {
                    writeBytes(path, valid.replace("pinIterations=1000", "pinIterations=1000001"));
                },
                kUnusable, false}),
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
    write(contents().replace("[remote]", "[old]").replace("minVolume", "oldMinVolume"));
    PartySettings::Loaded older = PartySettings::load(path());
    EXPECT_EQ(older.status, PartySettings::Status::Read);
    EXPECT_EQ(older.settings.remote, PartySettings::Remote{});
    EXPECT_EQ(older.settings.guests.minVolume, 15) << "never above the loudest";
    written.guests = {};

    written.remote = {true, 9000, "abcdefghijklmnopqrstuvwx"};
    ASSERT_TRUE(written.save(path()));
    EXPECT_EQ(PartySettings::load(path()).settings, written);
    write(contents().replace("mode=true", "mode=yes"));
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

TEST(PartyLock, ThreeWrongPinsPauseEveryTryForAMinute)
{
    qint64 now = 5000;
    PartyLock lock([&now] { return now; });
    lock.setKey(PartyLock::makeKey(kPin, kFastIterations));
    lock.setLocked(true);

    // A right PIN clears the count of wrong ones.
    EXPECT_EQ(lock.check(u"1111"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(lock.check(u"2222"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(lock.check(kPin), PartyLock::Check::Right);
    EXPECT_EQ(lock.check(u"1111"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(lock.check(u"2222"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(lock.pauseSecondsLeft(), 0);
    EXPECT_EQ(lock.check(u"3333"_s), PartyLock::Check::Wrong);
    EXPECT_EQ(lock.pauseSecondsLeft(), 60);

    now += 59'500;
    EXPECT_EQ(lock.pauseSecondsLeft(), 1);
    EXPECT_EQ(lock.check(kPin), PartyLock::Check::Paused) << "even the right PIN waits";
    now += 500;
    EXPECT_EQ(lock.pauseSecondsLeft(), 0);
    EXPECT_EQ(lock.check(kPin), PartyLock::Check::Right);
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

    EXPECT_TRUE(guard.permit(PartyCommand::Delete)) << "unlocked: nothing asks";
    ASSERT_TRUE(party.lockWith(kPin, {}));
    EXPECT_TRUE(guard.permit(PartyCommand::QueueTrack));
    EXPECT_TRUE(prompter.prompts.isEmpty());

    prompter.inputs = {kPin, std::nullopt, u"0000"_s, u"0001"_s, u"0002"_s};
    EXPECT_TRUE(guard.permit(PartyCommand::Delete));
    EXPECT_TRUE(party.isLocked()) << "the PIN lets one command through";
    EXPECT_FALSE(guard.permit(PartyCommand::Settings)) << "cancelled";
    EXPECT_FALSE(guard.permit(PartyCommand::Settings));
    EXPECT_FALSE(guard.permit(PartyCommand::Settings));
    EXPECT_FALSE(guard.permit(PartyCommand::Settings));
    EXPECT_EQ(notices, (QStringList{u"Wrong PIN."_s, u"Wrong PIN."_s,
                                    u"Too many wrong PINs: try again in 60 seconds."_s}));
    EXPECT_EQ(prompter.prompts.size(), 5);
    EXPECT_FALSE(guard.permit(PartyCommand::CloseWindow));
    EXPECT_EQ(prompter.prompts.size(), 5) << "no box during the pause";

    now += PartyLock::kPauseMs;
    prompter.inputs = {kPin};
    EXPECT_TRUE(guard.unlock());
    EXPECT_FALSE(party.isLocked());
    EXPECT_TRUE(party.isOn());
}

TEST(PartyGuard, SkippingAsksForThePinUnlessTheRulesAllowIt)
{
    QTemporaryDir dir;
    Party party(dir.filePath(PartySettings::fileName()));
    party.load();
    FakePrompter prompter;
    PartyGuard guard(party, prompter, [](const QString &) {});
    ASSERT_TRUE(party.lockWith(kPin, {}));
    EXPECT_FALSE(guard.permit(PartyCommand::Skip));
    EXPECT_EQ(prompter.prompts.size(), 1);
    GuestRules rules;
    rules.maySkip = true;
    ASSERT_TRUE(party.lockWith(kPin, rules));
    EXPECT_TRUE(guard.permit(PartyCommand::Skip));
    EXPECT_EQ(prompter.prompts.size(), 1);
}

struct GuestCase {
    const char *name;
    int waiting;      // people's picks waiting already
    bool waitingHere; // the track is one of them
    int playsAgo;     // 0: never played
    const char *refusal;
};

class GuestQueueing : public ::testing::TestWithParam<GuestCase>
{
};

TEST_P(GuestQueueing, RefusalSaysWhy)
{
    const GuestCase &c = GetParam();
    const QString track = u"/m/Album/Song.mp3"_s;
    PlayHistory history;
    if (c.playsAgo > 0)
        history.record(track);
    for (int i = 1; i < c.playsAgo; ++i)
        history.record(u"/m/Other/%1.mp3"_s.arg(i));
    QStringList waiting;
    for (int i = 0; i < c.waiting; ++i)
        waiting.append(c.waitingHere && i == 0 ? u"/m/Album//Song.mp3"_s : u"/m/B/%1.mp3"_s.arg(i));
    GuestRules rules;
    EXPECT_EQ(rules.refusal(track, u"Song"_s, waiting, history, 50), QString::fromUtf8(c.refusal));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuestQueueing,
    ::testing::Values(
        GuestCase{"Fresh", 9, false, 0, ""},
        GuestCase{"QueueFull", 10, false, 0,
                  "The queue is full for now (at most 10 picks may wait); please wait until one has played."},
        GuestCase{"AlreadyWaiting", 3, true, 0, "\"Song\" is already waiting in the queue."},
        GuestCase{"PlayedLately", 0, false, 50,
                  "\"Song\" played a short while ago; please choose another track."},
        GuestCase{"PlayedLongAgo", 0, false, 51, ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
