#include "party/partysettings.h"
#include "support/privatebus.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

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

// The environment a run gets: `platform` "none" makes any attempt at a window fail at once; empty leaves the
// platform to the command line.
QProcessEnvironment environment(const QString &platform, const QProcessEnvironment &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_s);
    if (!platform.isEmpty())
        env.insert(u"QT_QPA_PLATFORM"_s, platform);
    env.insert(extra);
    return env;
}

// A run of the program to its end.
struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};
Finished runProgram(const QString &program, const QStringList &args, const QString &platform = u"none"_s,
                    const QProcessEnvironment &extra = {}, const QString &workingDirectory = {})
{
    QProcess process;
    process.setProcessEnvironment(environment(platform, extra));
    process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    Finished run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Starts `command` (program first) and reads its log until `until` shows, or for 20 s; the log read.
QByteArray startUntil(QProcess &process, const QStringList &command, const QByteArray &until)
{
    process.setReadChannel(QProcess::StandardError);
    process.start(command.first(), command.mid(1));
    QByteArray log;
    while (!log.contains(until) && process.waitForReadyRead(20000))
        log += process.readAllStandardError();
    return log;
}

// The help is in the user's language, Qt's part of it too; English, or a locale without a language, gives
// the program's own texts. It names the application folder this very program uses: beside it when it runs
// from its build folder, the user's data folder once it is installed (its own files under ../share/lumetra).
TEST(Program, HelpSpeaksTheUsersLanguageAndStatesWhichApplicationFolderItUses)
{
    auto help = [](const QString &variable, const QString &value, const QString &program = kProgram,
                   const QString &option = u"--help"_s) {
        QProcessEnvironment env;
        env.insert(u"LANGUAGE"_s, QString());
        env.insert(variable, value);
        const Finished run = runProgram(program, {option}, u"none"_s, env);
        EXPECT_EQ(run.exitCode, 0) << value.toStdString();
        return run.out;
    };
    for (const auto &[language, usage, option] :
         {std::tuple{u"en"_s, u"Usage: "_s, u"Use DIR as the application folder."_s},
          {u"de"_s, u"Aufruf: "_s, u"DIR als Anwendungsordner verwenden."_s},
          {u"fr"_s, u"Utilisation : "_s, u"Utiliser DIR comme dossier de l'application."_s}}) {
        const QString said = help(u"LANGUAGE"_s, language);
        EXPECT_TRUE(said.startsWith(usage)) << said.toStdString();
        EXPECT_TRUE(said.contains(u"--app-dir <DIR>    "_s + option)) << said.toStdString();
    }
    const QString english = help(u"LC_ALL"_s, u"C"_s);
    EXPECT_EQ(help(u"LANGUAGE"_s, u"en"_s), english);
    EXPECT_TRUE(english.contains(u"this program uses "_s + QFileInfo(kProgram).absolutePath() + u'\n'))
        << english.toStdString();

    QTemporaryDir prefix;
    const QString installed = prefix.filePath(u"bin/lumetra"_s);
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(u"bin"_s)) &&
                QDir().mkpath(prefix.filePath(u"share/lumetra/files"_s)));
    ASSERT_TRUE(QFile::copy(kProgram, installed));
    const QString data = help(u"XDG_DATA_HOME"_s, prefix.filePath(u"data"_s), installed, u"-h"_s);
    EXPECT_TRUE(data.contains(u"this program uses "_s + prefix.filePath(u"data/Lumetra"_s) + u'\n'))
        << data.toStdString();
}

// Arguments that do not fit end the program with the reason and the usage, before any window.
TEST(Program, ArgumentsThatDoNotFitAreRefusedWithTheUsage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(u"song.mp3"_s), {}));
    const struct {
        QStringList args;
        QString platform; // offscreen: refused only once the window's application has taken its options
        QString said;
    } cases[] = {
        {{u"--scan"_s}, u"none"_s, u"Missing value after '--scan'"_s},
        {{u"--scan="_s + dir.path()}, u"none"_s, u"--scan needs --layout"_s},
        {{u"--scan="_s + dir.path(), u"--layout=flat"_s, u"--bogus"_s},
         u"none"_s,
         u"Unknown option 'bogus'"_s},
        {{u"--inventory"_s, dir.filePath(u"song.mp3"_s)}, u"none"_s, u"not an .m3u or .m3u8 playlist"_s},
        {{dir.filePath(u"song.mp3"_s)}, u"offscreen"_s, u"not an .m3u or .m3u8 playlist"_s},
        {{dir.filePath(u"gone.m3u8"_s)}, u"offscreen"_s, u"cannot be read"_s},
    };
    for (const auto &c : cases) {
        const Finished run =
            runProgram(kProgram, QStringList{u"--app-dir"_s, dir.path()} + c.args, c.platform);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(u' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.said)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(u"Usage: "_s)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"tracks.lum"_s)));
}

// A playlist opened with the program (as a file manager does) becomes a collection of the albums its tracks
// belong to; a path relative to where the command was given is taken from there. Qt's own options still
// reach the window. A second start for the same folder hands its playlist to the jukebox that runs and ends;
// a scan beside that window is refused.
TEST(Program, APlaylistGivenAsTheArgumentBecomesACollectionAlsoInTheJukeboxThatRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        writeCatalogue(dir.path(), {{u"One"_s, false, {u"a.mp3"_s}}, {u"Two"_s, false, {u"b.mp3"_s}}}));
    const QString lists = dir.filePath(u"lists"_s);
    ASSERT_TRUE(writeFile(lists + u"/Party.m3u8"_s, "#EXTM3U\n../Music/album1/b.mp3\n" +
                                                        dir.filePath(u"Music/album0/a.mp3"_s).toUtf8()));
    ASSERT_TRUE(writeFile(lists + u"/Later.m3u"_s, "../Music/album0/a.mp3\n"));
    const PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty()) << "no dbus-daemon";
    QProcessEnvironment onBus;
    onBus.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus.address);

    QProcessEnvironment logging = onBus;
    logging.insert(u"QT_LOGGING_RULES"_s, u"lumetra.*.debug=true"_s);
    QProcess process;
    process.setProcessEnvironment(environment({}, logging));
    process.setWorkingDirectory(lists);
    const QByteArray log = startUntil(process,
                                      {kProgram, u"-platform"_s, u"offscreen"_s, u"-reverse"_s,
                                       u"--app-dir"_s, dir.path(), u"Party.m3u8"_s},
                                      "mode collections");
    EXPECT_EQ(readAll(dir.filePath(u"Party.ply"_s)), "Two\r\nOne\r\n");

    const Finished second =
        runProgram(kProgram, {u"--app-dir"_s, dir.path(), lists + u"/Later.m3u"_s}, u"offscreen"_s, onBus);
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir.filePath(u"Later.ply"_s)); }, 10000));
    const Finished scan =
        runProgram(kProgram, {u"--app-dir"_s, dir.path(), u"--scan"_s, dir.path(), u"--layout"_s, u"flat"_s},
                   u"none"_s, onBus);
    EXPECT_EQ(scan.exitCode, 1);
    EXPECT_TRUE(scan.err.contains(u"Close it first"_s)) << scan.err.toStdString();

    signalChild(process, SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0) << log.toStdString();
    EXPECT_EQ(readAll(dir.filePath(u"Later.ply"_s)), "One\r\n");
}

// Asked to end (as at logout) the program goes at once, whatever box is up, and stores the player's state
// where a close would. (That a catalogue it cannot use is never written is the close's own test.)
struct EndCase {
    const char *name;
    QList<TestAlbum> albums;
    const char *waitFor;     // in the log: the wall, or the box that is up
    bool locked = false;     // party.ini: party mode on, locked for guests
    bool engineHung = false; // the sound engine stopped by a signal before the end is asked for
};

using lumetra::test::PrintTo;

class ProgramEnd : public ::testing::TestWithParam<EndCase>
{
};

TEST_P(ProgramEnd, EndsWhenAskedAndStoresTheState)
{
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(u"tracks.lum"_s);
    ASSERT_TRUE(writeCatalogue(dir.path(), GetParam().albums));
    ASSERT_TRUE(runSql(catalogue, {u"INSERT INTO opts VALUES ('44', '')"_s}));
    const QString party = dir.filePath(lumetra::PartySettings::fileName());
    if (GetParam().locked) {
        lumetra::PartySettings locked;
        locked.partyMode = locked.locked = true;
        locked.pin = lumetra::PartyLock::makeKey(u"5555"_s, 1000);
        ASSERT_TRUE(locked.save(party));
    }

    QProcessEnvironment logging;
    logging.insert(u"QT_LOGGING_RULES"_s, u"lumetra.prompter.debug=true"_s);
    QProcess process;
    process.setProcessEnvironment(environment(u"offscreen"_s, logging));
    const QByteArray log = startUntil(process, {kProgram, u"--app-dir"_s, dir.path()}, GetParam().waitFor);
    ASSERT_TRUE(log.contains(GetParam().waitFor)) << log.toStdString();

    // The sound engine, a child of the program, by its parent's id in /proc.
    pid_t engine = 0;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        const QByteArray stat = readAll(u"/proc/"_s + entry + u"/stat"_s);
        const qsizetype end = stat.lastIndexOf(')');
        if (stat.contains("(lumetra-sound)") &&
            stat.mid(end + 4).split(' ').value(0).toLongLong() == process.processId())
            engine = entry.toInt();
    }
    ASSERT_GT(engine, 0);
    if (GetParam().engineHung)
        ::kill(engine, SIGSTOP);
    QElapsedTimer clock;
    clock.start();
    signalChild(process, SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(querySql(catalogue, u"SELECT folders, formcolor FROM opts"_s), QStringList{u"44|"_s});
    for (const char *own : {"blankcover.jpg", "lumetra2.jpg", "vista.jpg", "next-page.png", "help-hi.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(u"files/"_s + QString::fromLatin1(own)))) << own;
    EXPECT_EQ(lumetra::PartySettings::load(party).settings.locked, GetParam().locked);
    EXPECT_TRUE(QTest::qWaitFor([engine] { return ::kill(engine, 0) != 0; }, 5000))
        << "the engine outlived the program";
    ::kill(engine, SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(
    Program, ProgramEnd,
    ::testing::Values(
        EndCase{"WallShown", {{u"One"_s}, {u"Two"_s}}, "Lumetra Jukebox: 2 albums loaded."},
        EndCase{"NoAlbumsMessageUp", {}, "message: Lumetra doesn't yet contain any albums"},
        // The window would ask for the PIN before it closes; logout does not, and the lock holds.
        EndCase{"LockedForGuests", {{u"One"_s}}, "Lumetra Jukebox: 1 albums loaded.", true},
        EndCase{"SoundEngineHung", {{u"One"_s}}, "Lumetra Jukebox: 1 albums loaded.", false, true}),
    [](const auto &info) { return std::string(info.param.name); });

// Both forms of an option's value work, and none of this work opens a window (there is no display to open
// one on). The scan names the folders it had to leave out and goes on; relative folders on the command line
// are taken from where the command was given.
TEST(Program, ScriptsScanAndWriteTheInventoryWithoutAWindow)
{
    QTemporaryDir dir;
    auto run = [&dir](const QStringList &args) {
        return runProgram(kProgram, QStringList{u"--app-dir"_s, dir.path()} + args);
    };
    Finished done = run({u"--inventory"_s});
    EXPECT_EQ(done.exitCode, 1);
    EXPECT_TRUE(done.err.contains(u"holds no albums"_s));
    done = run({u"--scan"_s, dir.filePath(u"nowhere"_s), u"--layout"_s, u"flat"_s});
    EXPECT_EQ(done.exitCode, 1);
    EXPECT_TRUE(done.err.contains(u"cannot be read"_s));

    writeFile(dir.filePath(u"Music/One/a.mp3"_s), {});
    writeFile(dir.filePath(u"Music/Two/b.ogg"_s), {});
    ASSERT_EQ(::mkdir(QFile::encodeName(dir.filePath(u"Music/Caf"_s)).append('\xE9').constData(), 0755), 0);
    done = run({u"--scan=(Lumetra default)"_s, u"--layout=flat"_s});
    EXPECT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_TRUE(done.out.contains(u"Music folders found: 2"_s)) << done.out.toStdString();
    EXPECT_EQ(done.err, u"Left out: "_s + dir.filePath(u"Music/Caf\uFFFD"_s) +
                            u": the name is not valid UTF-8\nFolders left out: 1\n"_s);
    EXPECT_EQ(querySql(dir.filePath(u"tracks.lum"_s), u"SELECT Album FROM songs ORDER BY ID"_s),
              (QStringList{u"One"_s, u"Two"_s}));
    EXPECT_EQ(run({u"--inventory"_s}).exitCode, 0);
    EXPECT_EQ(readAll(dir.filePath(u"albums.htm"_s)).count("\r\n"), 6 + 2 * 7 + 1);

    done = runProgram(
        kProgram, {u"--app-dir"_s, u"app"_s, u"--scan"_s, u"Music/../Music"_s, u"--layout"_s, u"nested"_s},
        u"none"_s, {}, dir.path());
    EXPECT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_EQ(querySql(dir.filePath(u"app/tracks.lum"_s), u"SELECT Album, Path FROM songs ORDER BY ID"_s),
              (QStringList{u"Music, One|"_s + dir.filePath(u"Music/One/"_s),
                           u"Music, Two|"_s + dir.filePath(u"Music/Two/"_s)}));
}

// As an ordinary user: an album folder that user may not list is left out of a scan, its neighbours still
// found; an application folder that user may not write is used and left unchanged.
TEST(Program, AScanSkipsAFolderItCannotReadAndAReadOnlyApplicationFolderIsUsedUnchanged)
{
    QTemporaryDir dir;
    const OrdinaryUser user(kProgram);
    ASSERT_TRUE(user.isReady());
    const QString root = dir.filePath(u"Music"_s);
    for (const QString &album : {u"Alpha"_s, u"Locked"_s, u"Omega"_s})
        ASSERT_TRUE(writeFile(root + u'/' + album + u"/t.mp3"_s, {}));
    ASSERT_TRUE(writeFile(dir.filePath(u"jb.ini"_s), "(Lumetra default)\r\n2400\r\n"));
    QDir().mkpath(dir.filePath(u"files"_s));
    ASSERT_TRUE(user.share(dir.path(), true));
    ASSERT_TRUE(QFile::setPermissions(root + u"/Locked"_s, {}));
    QProcessEnvironment home;
    home.insert(u"HOME"_s, dir.path());
    const QStringList command =
        user.command({u"--app-dir"_s, dir.path(), u"--scan"_s, root, u"--layout"_s, u"flat"_s});
    const Finished scan = runProgram(command.first(), command.mid(1), u"none"_s, home);
    QFile::setPermissions(root + u"/Locked"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    EXPECT_TRUE(scan.out.contains(u"Music folders found: 2"_s)) << scan.out.toStdString();
    EXPECT_EQ(querySql(dir.filePath(u"tracks.lum"_s), u"SELECT Album FROM songs ORDER BY ID"_s),
              (QStringList{u"Alpha"_s, u"Omega"_s}));

    const QByteArray catalogue = readAll(dir.filePath(u"tracks.lum"_s));
    const QByteArray settings = readAll(dir.filePath(u"jb.ini"_s));
    ASSERT_TRUE(QFile::setPermissions(dir.filePath(u"tracks.lum"_s), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(user.share(dir.path()));
    if (::geteuid() != 0)
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QProcess program;
    program.setProcessEnvironment(environment(u"offscreen"_s, home));
    const QByteArray log = startUntil(program, user.command({u"--app-dir"_s, dir.path()}), "albums loaded");
    EXPECT_TRUE(log.contains("Lumetra Jukebox: 2 albums loaded.")) << log.toStdString();
    signalChild(program, SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readAll(dir.filePath(u"tracks.lum"_s)), catalogue);
    EXPECT_EQ(readAll(dir.filePath(u"jb.ini"_s)), settings);
}

} // namespace
