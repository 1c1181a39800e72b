#include "collections.h"

#include "core/appfolder.h"
#include "core/collectionfile.h"
#include "core/criteria.h"
#include "core/folderlisting.h"
#include "core/packedstrings.h"
#include "core/playlistfile.h"
#include "core/prompter.h"
#include "core/randomsource.h"
#include "core/recordview.h"
#include "logging.h"
#include "mediaplayer.h"
#include "party/norepeat.h"
#include "playback.h"
#include "playbackview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <algorithm>
#include <vector>

namespace lumetra {

namespace {

constexpr int kFirstRowHeight = 65;
constexpr int kRowPitch = 57;
constexpr int kFirstPictureTop = 2;
constexpr int kLabelDrop = 5;

} // namespace

CollectionRows collpicsLayout(int rows, int viewportHeight)
{
    CollectionRows layout;
    layout.innerHeight = kFirstRowHeight;
    for (int i = 0; i < rows; ++i) {
        layout.pictureTops.push_back(kFirstPictureTop + kRowPitch * i);
        layout.labelTops.push_back(kFirstPictureTop + kLabelDrop + kRowPitch * i);
        if (i > 0)
            layout.innerHeight += kRowPitch;
    }
    layout.scrollEnabled = layout.innerHeight > viewportHeight;
    if (layout.scrollEnabled) {
        layout.scrollMax = layout.innerHeight - viewportHeight;
        layout.smallStep = layout.scrollMax / 200 + 1;
        layout.largeStep = layout.scrollMax / 25 + 1;
    }
    return layout;
}

Collections::Collections(Playback &playback, RecordView &songs, const AppFolder &app, MediaPlayer &player,
                         Prompter &prompter, RandomSource &random, PlaybackView &view)
    : m_playback(playback)
    , m_songs(songs)
    , m_app(app)
    , m_player(player)
    , m_prompter(prompter)
    , m_random(random)
    , m_view(view)
    , m_status(tr("Your collections are listed below - you can click the album cover to skip tracks..."))
    , m_cover(app.defaultPicture())
{
    m_playback.setCollections(this);
}

void Collections::setTitle(const QString &title)
{
    m_view.setStatus(title);
}

void Collections::listFiles()
{
    m_rows = CollectionFile::titles(m_app);
}

void Collections::showList()
{
    m_listShown = true;
    m_rowsShown = true;
}

void Collections::noCollections()
{
    m_rowsShown = false;
    m_buttons.myColls = false;
    m_buttons.cover = false;
    m_buttons.saveNew = false;
    m_buttons.edit = false;
    m_buttons.remove = false;
}

void Collections::mnucoll()
{
    qCDebug(lcPlayback) << "mode collections";
    m_playback.enterCollMode();
    m_listShown = true;
    m_chosen = false;
    m_buttons = Buttons{};
    m_view.setCollectionsArea(true);
    m_view.setSlotsEnabled(false);
    setTitle(tr("Collections Mode"));
    m_playback.setTrackList({});
    listFiles();
    if (m_rows.isEmpty())
        noCollections();
    else
        showList();
    m_view.collectionsChanged();
}

void Collections::myColls()
{
    m_playback.setCollEdit(false);
    setTitle(tr("Collections Mode"));
    m_playback.setTrackList({});
    listFiles();
    m_chosen = false;
    m_buttons.remove = false;
    m_buttons.newColl = true;
    showList();
    m_buttons.edit = false;
    m_view.collectionsChanged();
}

void Collections::collpicclick(int row)
{
    if (m_chosen || row < 0 || row >= m_rows.size())
        return;
    m_chosen = true;
    m_listShown = false;
    m_name = m_rows[row];
    m_buttons.newColl = false;
    m_playback.setTrackList(
        CollectionFile::read(CollectionFile::path(m_app, m_name)).value_or(QStringList()));
    m_buttons.edit = true;
    m_buttons.saveEdit = false;
    setTitle(tr("Collection: %1").arg(m_name));
    m_buttons.remove = true;
    m_view.collectionsChanged();
    collrandomiser();
}

void Collections::collrandomiser()
{
    if (playUpNext())
        return;
    const QStringList albums = m_playback.trackNames();
    NoRepeatPick draw(m_playback.noRepeatHistory(), m_random, static_cast<int>(albums.size()), [&](int i) {
        return m_songs.valueWhere(QStringLiteral("Album"), albums.at(i), QStringLiteral("Path"));
    });
    // An album with nothing to play is passed over like a refused pick, up to the same limit.
    for (int refused = 0;;) {
        const int r = draw.drawAlbum();
        const QString name = albums.value(r);
        if (!albums.isEmpty())
            m_playback.setSelectedTrack(r);
        if (!m_songs.findFirst(albumCriteria(name))) {
            m_prompter.message(tr("File not found!  This album has been moved or changed"));
            return;
        }
        const QString path = m_songs.value(QStringLiteral("Path"));
        const QStringList files = lumetra::listFiles(path, kMusicPatterns);
        if (files.isEmpty()) {
            if (++refused < Playback::kSkipLimit)
                continue;
            m_player.stop();
            m_prompter.message(tr("None of the albums picked from this collection holds music to play."));
            return;
        }
        QStringList paths;
        for (const QString &file : files)
            paths.append(path + file);
        const int t = draw.drawTrack(path, paths);
        if (t < 0)
            continue; // every track played lately: another album
        play(path, files.at(t), m_songs.value(QStringLiteral("Picture")));
        return;
    }
}

bool Collections::playUpNext()
{
    const std::optional<UpNext::Pick> next = m_playback.takeUpNext();
    // The collection or the album may have changed since the pick was shown: then a fresh draw.
    if (!next || m_playback.trackNames().value(next->entry) != next->album ||
        !m_songs.findFirst(albumCriteria(next->album)) ||
        m_songs.value(QStringLiteral("Path")) != next->folder ||
        !lumetra::listFiles(next->folder, kMusicPatterns).contains(next->file))
        return false;
    m_playback.setSelectedTrack(next->entry);
    play(next->folder, next->file, m_songs.value(QStringLiteral("Picture")));
    return true;
}

void Collections::play(const QString &folder, const QString &file, const QString &picture)
{
    m_playback.setCollTrack(folder + file);
    m_cover = picture.isEmpty() ? m_app.noCoverPicture() : folder + picture;
    m_status = file.left(qMax<qsizetype>(0, file.size() - 4));
    m_view.collectionsChanged();
    m_playback.player();
}

void Collections::coverClicked(const QString &title)
{
    const bool creating = m_buttons.saveNew && !m_newTitle.isEmpty();
    if (!creating && !m_playback.collEdit())
        return;
    m_playback.appendToTrackList(title);
    if (!m_playback.collEdit() && m_playback.trackNames().size() == 1)
        collrandomiser();
}

void Collections::newColl()
{
    m_playback.setTrackList({});
    m_playback.setCollEdit(false);
    m_listShown = false;
    m_cover = m_app.noCoverPicture();
    m_player.stop();
    m_buttons.remove = false;
    m_buttons.edit = false;
    m_view.collectionsChanged();

    const QString answer =
        m_prompter.input(tr("Please enter a title for this collection")).value_or(QString());
    const auto problem = answer.isEmpty() ? std::nullopt : CollectionFile::titleProblem(answer);
    m_newTitle = problem ? QString() : answer;
    if (m_newTitle.isEmpty()) {
        m_playback.setCollEdit(false);
        m_prompter.message(problem.value_or(tr("Action abandoned, or no Collection name supplied.")),
                           Prompter::Buttons::OkCancel);
        setTitle(tr("Collections Mode"));
        m_playback.setTrackList({});
        listFiles();
        m_chosen = false;
        if (m_rows.isEmpty()) {
            noCollections();
            m_buttons.newColl = true;
        } else {
            m_buttons.myColls = true;
            m_buttons.newColl = true;
            showList();
        }
        m_view.collectionsChanged();
        return;
    }
    m_buttons.myColls = false;
    m_buttons.newColl = false;
    m_buttons.saveNew = true;
    m_status = tr("Click on an album cover to add it to your collection: %1").arg(m_newTitle);
    setTitle(m_status);
    m_view.setSlotsEnabled(true);
    m_view.collectionsChanged();
}

bool Collections::writeCollection(const QString &title)
{
    QString error;
    if (CollectionFile::write(CollectionFile::path(m_app, title), m_playback.trackNames(), &error))
        return true;
    m_prompter.message(tr("Collection %1 could not be saved: %2").arg(title, error));
    return false;
}

void Collections::saveNew()
{
    if (m_newTitle.isEmpty())
        return;
    if (m_playback.trackNames().isEmpty()) {
        m_prompter.message(tr("Please click on album covers to add them to this collection"));
        return;
    }
    // Nothing changes when the file cannot be written, so the albums clicked so far are not lost.
    if (!writeCollection(m_newTitle))
        return;
    m_buttons.myColls = true;
    m_buttons.cover = true;
    m_playback.setTrackList({});
    listFiles();
    showList();
    m_view.setSlotsEnabled(false);
    m_chosen = false;
    m_buttons.newColl = true;
    m_buttons.saveNew = false;
    m_player.stop();
    m_status = tr("Collection %1 has been saved").arg(m_newTitle);
    m_cover = m_app.defaultPicture();
    m_view.collectionsChanged();
}

void Collections::edit()
{
    m_playback.setCollEdit(true);
    m_cover = m_app.defaultPicture();
    m_status = tr("Click on an album to delete it from the list, or a cover to add to list.");
    m_buttons.saveEdit = true;
    m_buttons.remove = false;
    m_buttons.edit = false;
    m_buttons.myColls = false;
    m_buttons.newColl = false;
    m_view.setSlotsEnabled(true);
    m_view.collectionsChanged();
}

void Collections::saveEdit()
{
    if (!writeCollection(m_name))
        return;
    m_chosen = true;
    m_playback.setCollEdit(false);
    m_view.setSlotsEnabled(false);
    m_buttons.saveEdit = false;
    m_buttons.myColls = true;
    m_buttons.remove = true;
    m_buttons.newColl = false;
    m_buttons.saveNew = false;
    m_buttons.edit = true;
    m_view.collectionsChanged();
    collrandomiser();
}

void Collections::deleteCollection()
{
    m_playback.setCollEdit(false);
    if (m_prompter.message(tr("Are you sure you want to delete this collection?"),
                           Prompter::Buttons::OkCancel) == Prompter::Answer::Cancel)
        return;
    m_playback.setCollEdit(true);
    m_status.clear();
    m_cover = m_app.noCoverPicture();
    m_playback.setTrackList({});
    setTitle(tr("%1 has been deleted").arg(m_name));
    QFile::remove(CollectionFile::path(m_app, m_name));
    m_player.stop();
    listFiles();
    m_view.setSlotsEnabled(false);
    m_chosen = false;
    m_buttons.remove = false;
    m_buttons.saveEdit = false;
    m_buttons.myColls = true;
    m_buttons.newColl = true;
    if (!m_rows.isEmpty()) {
        m_playback.setCollEdit(false);
        setTitle(tr("Collections Mode"));
        m_buttons.edit = false;
        showList();
    } else {
        noCollections();
        m_status = tr("No collections found.");
    }
    m_view.collectionsChanged();
}

bool Collections::exportPlaylist(const QString &file)
{
    if (!m_chosen || m_name.isEmpty())
        return false;
    QList<PlaylistFile::Track> tracks;
    QStringList seen;
    for (const QString &title : m_playback.trackNames()) {
        if (seen.contains(title) || !m_songs.findFirst(albumCriteria(title)))
            continue;
        seen.append(title);
        const QString path = m_songs.value(QStringLiteral("Path"));
        // Players show "artist - track"; an album made by hand has no artist, so its title stands in.
        QString artist = m_songs.value(QStringLiteral("Artist"));
        if (artist.isEmpty())
            artist = title;
        for (const QString &name : lumetra::listFiles(path, kMusicPatterns))
            tracks.append({path + name, artist + QStringLiteral(" - ") + name.left(name.size() - 4)});
    }
    QString error;
    if (!PlaylistFile::write(file, tracks, &error)) {
        m_prompter.message(tr("The playlist could not be written: %1").arg(error));
        return false;
    }
    m_status = tr("Collection %1 exported to %2").arg(m_name, QFileInfo(file).fileName());
    m_view.collectionsChanged();
    return true;
}

QString Collections::freeTitle(QString title) const
{
    if (CollectionFile::titleProblem(title))
        title = tr("Imported playlist");
    const QStringList taken = CollectionFile::titles(m_app);
    QString free = title;
    for (int n = 2; taken.contains(free, Qt::CaseInsensitive); ++n)
        free = QStringLiteral("%1 (%2)").arg(title, QString::number(n));
    return free;
}

namespace {

// The titles of the albums whose folders (`paths`, ending with the separator) hold the playlist's tracks,
// each once, in the order they first come; `titles` are the same albums' titles. Runs on a worker thread.
QStringList playlistAlbums(const QString &file, const PackedStrings &paths, const PackedStrings &titles)
{
    QStringList albums;
    std::vector<bool> taken(titles.size()); // by the first album of each title
    for (const QString &track : PlaylistFile::paths(file)) {
        // The paths are clean, with "/" between folders.
        const qsizetype cut = std::max<qsizetype>(track.lastIndexOf(u'/'), 1);
        const qsizetype row = paths.indexOf(QDir::toNativeSeparators(track.left(cut)) + QDir::separator());
        const qsizetype first = row < 0 ? -1 : titles.indexOf(titles.at(row));
        if (first >= 0 && !taken[first] && !titles.isEmptyAt(first)) {
            taken[first] = true;
            albums.append(titles.at(first));
        }
    }
    return albums;
}

} // namespace

void Collections::importPlaylist(const QString &file, const std::function<void(bool)> &done)
{
    // A long playlist is read and looked up on a worker thread, so neither the window nor the music waits
    // for it. The worker reads copies of the catalogue's folders and titles, which share the snapshot's text.
    const PackedStrings paths = m_songs.column(QStringLiteral("Path")).value_or(PackedStrings());
    const PackedStrings titles = m_songs.column(QStringLiteral("Album")).value_or(PackedStrings());
    auto *reading = new QFutureWatcher<QStringList>(&m_imports);
    QObject::connect(reading, &QFutureWatcherBase::finished, &m_imports, [this, reading, file, done] {
        reading->deleteLater();
        const bool made = makeCollection(file, reading->result());
        if (done)
            done(made);
    });
    reading->setFuture(QtConcurrent::run(playlistAlbums, file, paths, titles));
}

bool Collections::makeCollection(const QString &file, const QStringList &albums)
{
    if (albums.isEmpty()) {
        m_prompter.message(
            tr("None of the tracks of %1 belongs to an album of Lumetra, so no collection was made.")
                .arg(QFileInfo(file).fileName()));
        return false;
    }
    const QString title = freeTitle(QFileInfo(file).completeBaseName());
    QString error;
    if (!CollectionFile::write(CollectionFile::path(m_app, title), albums, &error)) {
        m_prompter.message(tr("Collection %1 could not be saved: %2").arg(title, error));
        return false;
    }
    listFiles();
    if (!m_chosen && !m_buttons.saveNew && !m_playback.collEdit()) {
        m_buttons.myColls = true;
        m_buttons.cover = true;
        showList();
    }
    m_status = tr("Collection %1 made from %2").arg(title, QFileInfo(file).fileName());
    m_view.collectionsChanged();
    return true;
}

void Collections::openPlaylist(const QString &file, const std::function<void(bool)> &done)
{
    importPlaylist(file, [this, done](bool made) {
        if (made && !m_playback.collMode())
            mnucoll();
        if (done)
            done(made);
    });
}

} // namespace lumetra
