#include "support/testlibrary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace lumetra::test;

namespace {

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

    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(querySql(dir.filePath(u"tracks.lum"_s), u"SELECT folders, formcolor FROM opts"_s),
              QStringList{u"44|"_s});
    for (const char *own : {"nocover.jpg", "lumetra2.jpg", "vista.jpg", "next.png", "help-hi.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(u"files/"_s + QString::fromLatin1(own)))) << own;
}

} // namespace
