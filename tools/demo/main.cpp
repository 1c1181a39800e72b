// lumetra-demo DIR: a complete, deterministic application folder with invented albums, for trying the
// jukebox without a music collection and for end-to-end checks.

#include "albums.h"
#include "audiofile.h"
#include "coverart.h"
#include "synth.h"

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/settings.h"
#include "core/staterecord.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

using namespace lumetra;
using namespace lumetra::demo;

namespace {

// Written before anything else, so --force can tell an earlier demo from a user's own folder.
const QString kMarker = QStringLiteral(".lumetra-demo");

void complain(const QString &text)
{
    std::fprintf(stderr, "lumetra-demo: %s\n", text.toLocal8Bit().constData());
}

struct Job {
    const AlbumPlan *album;
    const TrackPlan *track;
    const AlbumStyle *style;
    QString folder;
};

bool writeTrack(const Job &job, QString *error)
{
    const Audio audio = renderTrack(*job.style, job.track->seed);
    const QString path = QDir(job.folder).filePath(job.track->fileName());
    const Tags tags{job.track->title, job.album->artist, job.album->title, job.track->number};
    switch (job.track->format) {
    case AudioFormat::Wav:
        return writeWav(path, audio, error);
    case AudioFormat::Ogg:
        return writeOgg(path, audio, tags, static_cast<std::uint32_t>(job.track->seed), error);
    case AudioFormat::Mp3:
        return writeMp3(path, audio, tags, error);
    }
    return false;
}

// Tracks are independent, so they are rendered and encoded on every core; covers stay on the main
// thread, where text drawing is certainly safe.
QStringList writeAllTracks(const std::vector<Job> &jobs, const std::function<void()> &alongside)
{
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    QStringList errors;
    auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            QString error;
            if (!writeTrack(jobs[i], &error)) {
                const std::lock_guard<std::mutex> lock(mutex);
                errors.append(error);
            }
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < workers; ++i)
        threads.emplace_back(work);
    alongside();
    for (std::thread &thread : threads)
        thread.join();
    return errors;
}

bool removeEarlierDemo(const AppFolder &folder, QString *error)
{
    const QString music = folder.defaultMusicFolder();
    if (QFileInfo::exists(music) && !QDir(music).removeRecursively()) {
        *error = QStringLiteral("cannot remove %1").arg(music);
        return false;
    }
    for (const QString &name : {QStringLiteral("tracks.lum"), QStringLiteral("jb.ini")}) {
        const QString path = folder.file(name);
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            *error = QStringLiteral("cannot remove %1").arg(path);
            return false;
        }
    }
    return true;
}

bool writeCatalogue(const AppFolder &folder, const std::vector<AlbumPlan> &albums,
                    const std::vector<QString> &albumPaths, QString *error)
{
    Catalogue catalogue;
    if (!catalogue.open(folder.file(QStringLiteral("tracks.lum")))) {
        *error = catalogue.errorString();
        return false;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    if (!songs.refresh() || !catalogue.beginTransaction()) {
        *error = QStringLiteral("cannot write the catalogue: %1").arg(songs.lastError());
        return false;
    }
    for (std::size_t i = 0; i < albums.size(); ++i) {
        const AlbumPlan &album = albums[i];
        const bool ok = songs.addNew() && songs.setValue(QStringLiteral("Album"), album.title) &&
                        songs.setValue(QStringLiteral("Path"), albumPaths[i]) &&
                        songs.setValue(QStringLiteral("Picture"), album.coverFile) &&
                        songs.setValue(QStringLiteral("Artist"), album.artist) &&
                        songs.setValue(QStringLiteral("Probability"), QString()) && songs.update();
        if (!ok) {
            catalogue.rollback();
            *error = QStringLiteral("cannot add %1 to the catalogue: %2").arg(album.title, songs.lastError());
            return false;
        }
    }
    if (!catalogue.commit()) {
        *error = QStringLiteral("cannot save the catalogue");
        return false;
    }
    RecordView opts(catalogue, QStringLiteral("opts"));
    opts.refresh();
    if (!StateRecord::write(catalogue, opts, 80, false)) {
        *error = QStringLiteral("cannot save the player state: %1").arg(opts.lastError());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Covers are drawn with fonts, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumetra-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a demo application folder for Lumetra Jukebox: about 30 invented albums with short\n"
        "generated tracks (OGG, MP3 and some WAV) and drawn covers under DIR/Music, the catalogue "
        "DIR/tracks.lum\n"
        "and the settings DIR/jb.ini. The result is the same on every run."));
    parser.addHelpOption();
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replace an earlier demo library in DIR (its Music folder, "
                                                  "tracks.lum and jb.ini). Never touches a folder the demo "
                                                  "did not make."));
    parser.addOption(force);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The application folder to fill."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        complain(QStringLiteral("expected exactly one folder.\n") + parser.helpText());
        return 1;
    }

    const QString dir = QDir::cleanPath(QDir(parser.positionalArguments().constFirst()).absolutePath());
    const AppFolder folder(dir);
    const QString music = folder.defaultMusicFolder();
    const QString catalogueFile = folder.file(QStringLiteral("tracks.lum"));
    const QString iniFile = folder.file(QStringLiteral("jb.ini"));
    const bool earlierDemo = QFileInfo::exists(folder.file(kMarker));
    const bool musicInUse = QFileInfo::exists(music) && !QDir(music).isEmpty();

    QString taken;
    if (QFileInfo::exists(catalogueFile))
        taken = catalogueFile;
    else if (QFileInfo::exists(iniFile))
        taken = iniFile;
    else if (musicInUse)
        taken = music;
    if (!taken.isEmpty()) {
        if (!parser.isSet(force)) {
            complain(QStringLiteral("%1 already exists; refusing to overwrite it. Choose an empty folder, or "
                                    "pass --force to replace an earlier demo library.")
                         .arg(taken));
            return 1;
        }
        if (!earlierDemo) {
            complain(QStringLiteral("%1 already exists and %2 is not a demo library; --force only replaces "
                                    "what lumetra-demo wrote.")
                         .arg(taken, dir));
            return 1;
        }
    }

    QString error;
    if (!QDir().mkpath(dir)) {
        complain(QStringLiteral("cannot create %1").arg(dir));
        return 1;
    }
    QFile marker(folder.file(kMarker));
    if (!marker.open(QIODevice::WriteOnly) || marker.write("Written by lumetra-demo.\n") < 0) {
        complain(QStringLiteral("cannot write in %1: %2").arg(dir, marker.errorString()));
        return 1;
    }
    marker.close();
    if (parser.isSet(force) && !removeEarlierDemo(folder, &error)) {
        complain(error);
        return 1;
    }

    const std::vector<AlbumPlan> albums = demoAlbums();
    std::vector<AlbumStyle> styles;
    std::vector<QString> albumPaths;
    std::vector<Job> jobs;
    styles.reserve(albums.size());
    for (const AlbumPlan &album : albums) {
        const QString albumDir = QDir(music).filePath(album.artist + u'/' + album.title);
        if (!QDir().mkpath(albumDir)) {
            complain(QStringLiteral("cannot create %1").arg(albumDir));
            return 1;
        }
        albumPaths.push_back(QDir::toNativeSeparators(albumDir) + QDir::separator());
        styles.push_back(styleFor(album.seed));
    }
    int trackCount = 0;
    for (std::size_t i = 0; i < albums.size(); ++i) {
        for (const TrackPlan &track : albums[i].tracks)
            jobs.push_back({&albums[i], &track, &styles[i], albumPaths[i]});
        trackCount += static_cast<int>(albums[i].tracks.size());
    }

    QStringList coverErrors;
    QStringList errors = writeAllTracks(jobs, [&] {
        for (std::size_t i = 0; i < albums.size(); ++i) {
            const AlbumPlan &album = albums[i];
            if (album.coverFile.isEmpty())
                continue;
            const QImage cover = paintCover(album.title, album.artist, static_cast<int>(i), album.seed);
            const QString path = QDir(albumPaths[i]).filePath(album.coverFile);
            // One cover is BMP data under a .jpg name: pictures are to be recognised by content.
            if (!cover.save(path, album.coverAsBmp ? "BMP" : "JPG", 90))
                coverErrors.append(QStringLiteral("cannot write %1").arg(path));
        }
    });
    errors += coverErrors;
    if (!errors.isEmpty()) {
        for (const QString &e : std::as_const(errors))
            complain(e);
        return 1;
    }

    if (!writeCatalogue(folder, albums, albumPaths, &error)) {
        complain(error);
        return 1;
    }

    Settings settings;
    settings.musicFolder = QDir::toNativeSeparators(music);
    settings.autoplay = true;
    settings.bounceCovers = true;
    settings.noWrap = false;
    if (!SettingsFile::write(iniFile, settings, &error)) {
        complain(QStringLiteral("cannot write %1: %2").arg(iniFile, error));
        return 1;
    }

    std::printf("Demo library: %d albums, %d tracks in %s\n", static_cast<int>(albums.size()), trackCount,
                QDir::toNativeSeparators(dir).toLocal8Bit().constData());
    return 0;
}
