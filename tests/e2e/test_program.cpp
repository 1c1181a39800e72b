#include "support/testlibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

using namespace Qt::StringLiterals;
using namespace lumetra::test;

namespace {

// Signals the child only while it runs: a finished QProcess reports pid 0, and kill(0) would hit this
// whole process group.
void signalChild(const QProcess &child, int signal)
{
    const qint64 pid = child.processId();
    if (child.state() == QProcess::Running && pid > 0)
        ::kill(static_cast<pid_t>(pid), signal);
}

const QString kProgram = QStringLiteral(LUMETRA_BIN_DIR "/lumetra");

TEST(Program, HelpPrintsUsage)
{
    QProcess process;
    process.start(kProgram, {u"--help"_s});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(out.contains(u"--app-dir <DIR>"_s)) << out.toStdString();
}

// The program writes its own files into a new application folder, runs on the catalogue there, and on a
// request to end (as at logout) stores the player's state before it goes.
TEST(Program, StartsOnTheApplicationFolderAndStoresStateWhenAskedToEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"One"_s}, {u"Two"_s}}));
    ASSERT_TRUE(runSql(dir.filePath(u"tracks.lum"_s), {u"INSERT INTO opts VALUES ('44', '')"_s}));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(env);
    process.start(kProgram, {u"--app-dir"_s, dir.path()});
    ASSERT_TRUE(process.waitForStarted(10000));
    process.setReadChannel(QProcess::StandardError);
    QByteArray log;
    while (!log.contains("Lumetra Jukebox: 2 albums loaded.") && process.waitForReadyRead(20000))
        log += process.readAllStandardError();
    ASSERT_TRUE(log.contains("Lumetra Jukebox: 2 albums loaded.")) << log.toStdString();

    signalChild(process, SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(querySql(dir.filePath(u"tracks.lum"_s), u"SELECT folders, formcolor FROM opts"_s),
              QStringList{u"44|"_s});
    for (const char *own : {"nocover.jpg", "lumetra2.jpg", "vista.jpg", "next.png", "help-hi.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(u"files/"_s + QString::fromLatin1(own)))) << own;
}

TEST(Program, ScriptsScanAndWriteTheInventoryWithoutAWindow)
{
    QTemporaryDir dir;
    auto run = [&dir](const QStringList &args, QByteArray *err = nullptr) {
        QProcess process;
        process.start(kProgram, QStringList{u"--app-dir"_s, dir.path()} + args);
        process.waitForFinished(30000);
        if (err)
            *err = process.readAllStandardError();
        return process.exitCode();
    };
    QByteArray err;
    EXPECT_EQ(run({u"--inventory"_s}, &err), 1);
    EXPECT_TRUE(err.contains("holds no albums"));
    EXPECT_EQ(run({u"--scan"_s, dir.filePath(u"nowhere"_s), u"--layout"_s, u"flat"_s}, &err), 1);
    EXPECT_TRUE(err.contains("cannot be read"));
    EXPECT_EQ(run({u"--scan"_s, dir.path()}), 2);

    writeFile(dir.filePath(u"Music/One/a.mp3"_s), {});
    writeFile(dir.filePath(u"Music/Two/b.ogg"_s), {});
    EXPECT_EQ(run({u"--scan"_s, u"(Lumetra default)"_s, u"--layout"_s, u"flat"_s}), 0);
    EXPECT_EQ(run({u"--inventory"_s}), 0);
    EXPECT_EQ(readAll(dir.filePath(u"albums.htm"_s)).count("\r\n"), 6 + 2 * 7 + 1);
}

// An album folder the scanning user may not list is left out; its neighbours are still found.
TEST(Program, AScanSkipsAFolderItCannotRead)
{
    QTemporaryDir dir;
    const OrdinaryUser user(kProgram);
    ASSERT_TRUE(user.isReady());
    const QString root = dir.filePath(u"Music"_s);
    for (const QString &album : {u"Alpha"_s, u"Locked"_s, u"Omega"_s})
        ASSERT_TRUE(writeFile(root + u'/' + album + u"/t.mp3"_s, {}));
    ASSERT_TRUE(user.share(dir.path(), true));
    ASSERT_TRUE(QFile::setPermissions(root + u"/Locked"_s, {}));

    const QStringList command =
        user.command({u"--app-dir"_s, dir.path(), u"--scan"_s, root, u"--layout"_s, u"flat"_s});
    QProcess scan;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, dir.path());
    scan.setProcessEnvironment(env);
    scan.start(command.first(), command.mid(1));
    ASSERT_TRUE(scan.waitForFinished(30000));
    QFile::setPermissions(root + u"/Locked"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(scan.exitCode(), 0) << scan.readAllStandardError().toStdString();
    EXPECT_TRUE(scan.readAllStandardOutput().contains("Music folders found: 2"));
    EXPECT_EQ(querySql(dir.filePath(u"tracks.lum"_s), u"SELECT Album FROM songs ORDER BY ID"_s),
              (QStringList{u"Alpha"_s, u"Omega"_s}));
}

// A scan killed at any moment leaves either the old catalogue or the new one, whole.
TEST(Program, AScanKilledAtRandomMomentsLeavesAWholeCatalogue)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"Old one"_s}, {u"Old two"_s}, {u"Old three"_s}}));
    const QString root = dir.filePath(u"Big"_s);
    constexpr int kFolders = 3000;
    for (int i = 0; i < kFolders; ++i) {
        QDir().mkpath(root + u"/Album %1"_s.arg(i));
        writeFile(root + u"/Album %1/t.mp3"_s.arg(i), {});
    }
    const QString catalogue = dir.filePath(u"tracks.lum"_s);
    const QByteArray old = readAll(catalogue);
    const QStringList args{u"--app-dir"_s, dir.path(), u"--scan"_s, root, u"--layout"_s, u"flat"_s};

    QElapsedTimer whole;
    whole.start();
    QProcess full;
    full.start(kProgram, args);
    ASSERT_TRUE(full.waitForFinished(30000));
    const qint64 fullMs = whole.elapsed();
    ASSERT_EQ(querySql(catalogue, u"SELECT count(*) FROM songs"_s), QStringList{QString::number(kFolders)});

    std::mt19937 random(20261206);
    std::uniform_int_distribution<qint64> delay(0, fullMs);
    int completed = 0;
    for (int kill = 0; kill < 12; ++kill) {
        QFile::remove(catalogue + u"-journal"_s);
        ASSERT_TRUE(writeFile(catalogue, old));
        QProcess child;
        child.start(kProgram, args);
        ASSERT_TRUE(child.waitForStarted(10000));
        QElapsedTimer wait;
        wait.start();
        const qint64 at = delay(random);
        while (wait.elapsed() < at && child.state() == QProcess::Running)
            child.waitForFinished(1);
        signalChild(child, SIGKILL);
        child.waitForFinished(10000);

        const QStringList count = querySql(catalogue, u"SELECT count(*) FROM songs"_s);
        ASSERT_EQ(count.size(), 1) << "the catalogue does not open after kill " << kill;
        ASSERT_TRUE(count[0] == u"3"_s || count[0] == QString::number(kFolders))
            << "kill " << kill << " at " << at << " ms left " << count[0].toStdString() << " albums";
        completed += count[0] == u"3"_s ? 0 : 1;
    }
    EXPECT_LT(completed, 12) << "no kill landed during a scan";
}

} // namespace
