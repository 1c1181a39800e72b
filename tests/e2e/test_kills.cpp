#include "core/catalogue.h"
#include "core/settings.h"
#include "killtarget/versions.h"
#include "support/testlibrary.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString kTarget = QStringLiteral(LUMETRA_BIN_DIR "/lumetra-killtarget");
constexpr int kKills = 50;

// Starts the child writing `kind` in `dir` over and over, kills it with SIGKILL at a seeded random moment,
// then asks `check` whether what is on disk is whole. Returns how many kills found the first version.
int killRepeatedly(const QString &kind, const QString &dir, const std::function<int()> &check, int maxDelayMs)
{
    std::mt19937 random(qHash(kind) + 20261206);
    std::uniform_int_distribution<int> delay(0, maxDelayMs);
    int first = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess child;
        child.start(kTarget, {kind, dir});
        if (!child.waitForReadyRead(10000)) {
            ADD_FAILURE() << kind.toStdString() << ": the child did not start";
            return first;
        }
        QElapsedTimer wait;
        wait.start();
        const int at = delay(random);
        while (wait.elapsed() < at)
            child.waitForFinished(1);
        const qint64 pid = child.processId();
        if (child.state() == QProcess::Running && pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        child.waitForFinished(10000);
        const int version = check();
        if (version < 0) {
            ADD_FAILURE() << kind.toStdString() << ": kill " << kill << " at " << at
                          << " ms left a broken file";
            return first;
        }
        first += version == 0 ? 1 : 0;
    }
    // Kills that found both versions show the child was caught at different points of its loop.
    std::printf("%s: %d kills, %d left the first version, %d the second\n", qPrintable(kind), kKills, first,
                kKills - first);
    return first;
}

// Collection files are written by the same text-file writer as the settings.
TEST(KillTests, TheSettingsAreAlwaysOneWholeVersion)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"jb.ini"_s);
    QByteArray ini[2];
    for (int n : {1, 0}) {
        ASSERT_TRUE(SettingsFile::write(file, killtest::settingsVersion(n)));
        ini[n] = readAll(file);
    }
    killRepeatedly(
        u"settings"_s, dir.path(),
        [&] {
            const QByteArray now = readAll(file);
            return now == ini[0] ? 0 : now == ini[1] ? 1 : -1;
        },
        15);
}

TEST(KillTests, TheStateRecordIsAlwaysOneWholeRecord)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"Kept"_s}}));
    const QString file = dir.filePath(u"tracks.lum"_s);
    killRepeatedly(
        u"state"_s, dir.path(),
        [&] {
            Catalogue catalogue;
            if (!catalogue.open(file))
                return -1;
            if (querySql(file, u"SELECT Album FROM songs"_s) != QStringList{u"Kept"_s})
                return -1;
            // No row yet: before the first write.
            const QString rows = querySql(file, u"SELECT folders, formcolor FROM opts"_s).join(u';');
            return rows.isEmpty() || rows == u"10|"_s ? 0 : rows == u"11|jukebox"_s ? 1 : -1;
        },
        20);
}

TEST(KillTests, ACopyNeverLeavesAHalfTrackAndNeverTouchesTheSource)
{
    QTemporaryDir dir;
    const QByteArray source[2] = {QByteArray(3 << 20, 'a'), QByteArray(3 << 20, 'b')};
    ASSERT_TRUE(writeFile(dir.filePath(u"source0.mp3"_s), source[0]));
    ASSERT_TRUE(writeFile(dir.filePath(u"source1.mp3"_s), source[1]));
    ASSERT_TRUE(writeFile(dir.filePath(u"Album/track.mp3"_s), source[0]));
    killRepeatedly(
        u"copy"_s, dir.path(),
        [&] {
            if (readAll(dir.filePath(u"source0.mp3"_s)) != source[0] ||
                readAll(dir.filePath(u"source1.mp3"_s)) != source[1])
                return -1;
            const QByteArray track = readAll(dir.filePath(u"Album/track.mp3"_s));
            return track == source[0] ? 0 : track == source[1] ? 1 : -1;
        },
        40);
}

TEST(KillTests, AScanLeavesTheOldCatalogueOrTheNewOneWhole)
{
    QTemporaryDir dir;
    for (int i = 0; i < 300; ++i)
        writeFile(dir.filePath(u"Music0/Album %1/t.mp3"_s.arg(i)), {});
    for (int i = 0; i < 500; ++i)
        writeFile(dir.filePath(u"Music1/Album %1/t.ogg"_s.arg(i)), {});
    const QString file = dir.filePath(u"tracks.lum"_s);
    killRepeatedly(
        u"scan"_s, dir.path(),
        [&] {
            Catalogue catalogue;
            if (!catalogue.open(file))
                return -1;
            const QString count = querySql(file, u"SELECT count(*) FROM songs"_s).value(0);
            return count == u"500"_s ? 1 : count == u"0"_s || count == u"300"_s ? 0 : -1;
        },
        40);
}

} // namespace
