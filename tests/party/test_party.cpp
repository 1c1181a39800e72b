#include "party/guestrules.h"
#include "party/party.h"
#include "party/partyguard.h"
#include "support/fakes.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

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

struct Damage {
    const char *name;
    QByteArray (*spoil)(QByteArray valid);
};

class DamagedPartyFile : public PartyFile, public ::testing::WithParamInterface<Damage>
{
};

// Whatever happened to the file, the host is never locked out: party mode is off and the user is told once.
TEST_P(DamagedPartyFile, MeansPartyModeOffAndSaysSo)
{
    PartySettings locked;
    locked.partyMode = true;
    locked.locked = true;
    locked.pin = PartyLock::makeKey(kPin, kFastIterations);
    ASSERT_TRUE(locked.save(path()));
    write(GetParam().spoil(contents()));

    Party party(path());
    const QString message = party.load();
    EXPECT_TRUE(message.startsWith(u"The party settings in party.ini could not be used: "_s))
        << qPrintable(message);
    EXPECT_FALSE(party.isOn());
    EXPECT_FALSE(party.isLocked());
    EXPECT_FALSE(party.lock().needsPin(PartyCommand::CloseWindow, party.guests()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedPartyFile,
    ::testing::Values(
        Damage{"TruncatedInHalf", [](QByteArray valid) { return valid.left(valid.size() / 2); }},
        Damage{"Garbage", [](QByteArray) { return QByteArray("\x00\xff[[=\x01\nlocked=maybe\n", 20); }},
        Damage{"Empty", [](QByteArray) { return QByteArray(); }},
        Damage{"LockedWithoutKey",
               [](QByteArray valid) {
                   const qsizetype at = valid.indexOf("pinKey=");
                   return valid.left(at + 7) + valid.mid(valid.indexOf('\n', at));
               }},
        Damage{"ModeNotABoolean", [](QByteArray valid) { return valid.replace("mode=true", "mode=yes"); }},
        Damage{"VolumeOutOfRange",
               [](QByteArray valid) { return valid.replace("maxVolume=100", "maxVolume=250"); }}),
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

// The phone remote's keys came later than party mode's: a file without them is whole, and damaged party
// values leave the remote as it was set.
TEST_F(PartyFile, TheRemotesKeysAreReadOnTheirOwn)
{
    PartySettings written;
    written.partyMode = true;
    ASSERT_TRUE(written.save(path()));
    write(contents().replace("[remote]", "[old]"));
    PartySettings::Loaded older = PartySettings::load(path());
    EXPECT_EQ(older.status, PartySettings::Status::Read);
    EXPECT_EQ(older.settings.remote, PartySettings::Remote{});

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
