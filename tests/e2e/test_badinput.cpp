#include "core/appfolder.h"
#include "playback/playbackfixture.h"
#include "support/fakes.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// The fixture's albums, whose folders disappear while they play.
class VanishingFolders : public PlaybackTest
{
protected:
    void vanish(const QString &title) { QDir(folderOf(title)).removeRecursively(); }
};

TEST_F(VanishingFolders, PlaybackGoesOnWithoutThemAndNothingIsReported)
{
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    vanish(u"Alpha"_s);
    endTrack(); // the next track's file is gone: the player is handed it and nothing breaks
    EXPECT_EQ(m_playback.selectedTrack(), 1);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    EXPECT_TRUE(m_playback.trackNames().isEmpty());

    m_playback.jukeboxmode();
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    m_playback.selectTrack(0);
    m_playback.selectTrack(1);
    vanish(u"Gamma"_s);
    endTrack();
    EXPECT_EQ(m_view.queuePicture, m_app.defaultPicture());
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST(BadInput, AReadOnlyApplicationFolderIsUsedAndLeftUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"One"_s}, {u"Two"_s}}));
    ASSERT_TRUE(writeFile(dir.filePath(u"jb.ini"_s), "(Lumetra default)\r\n2400\r\n"));
    QDir().mkpath(dir.filePath(u"files"_s));
    const QByteArray catalogue = readAll(dir.filePath(u"tracks.lum"_s));
    const QByteArray settings = readAll(dir.filePath(u"jb.ini"_s));

    const OrdinaryUser user(QStringLiteral(LUMETRA_BIN_DIR "/lumetra"));
    ASSERT_TRUE(user.isReady());
    ASSERT_TRUE(user.share(dir.path()));
    if (::geteuid() != 0)
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QStringList command = user.command({u"--app-dir"_s, dir.path()});
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"HOME"_s, dir.path());
    program.setProcessEnvironment(env);
    program.setReadChannel(QProcess::StandardError);
    program.start(command.first(), command.mid(1));
    ASSERT_TRUE(program.waitForStarted(10000));
    QByteArray log;
    while (!log.contains("albums loaded") && program.waitForReadyRead(20000))
        log += program.readAllStandardError();
    EXPECT_TRUE(log.contains("Lumetra Jukebox: 2 albums loaded.")) << log.toStdString();
    if (program.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readAll(dir.filePath(u"tracks.lum"_s)), catalogue);
    EXPECT_EQ(readAll(dir.filePath(u"jb.ini"_s)), settings);
}

} // namespace
