#include "newalbumform.h"

#include "appfolder.h"
#include "criteria.h"
#include "folderlisting.h"
#include "prompter.h"
#include "recordview.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>

namespace lumetra {

QString NewAlbumForm::folderExistsText()
{
    return tr("A folder with this name already exists in this location!  Please choose a different name "
              "or re-scan your folders");
}

NewAlbumForm::NewAlbumForm(RecordView &songs, const AppFolder &app, Prompter &prompter)
    : m_songs(songs)
    , m_app(app)
    , m_prompter(prompter)
{
}

void NewAlbumForm::addFolder(const QString &folder)
{
    for (const QString &file : listFiles(folder, kMusicPatterns))
        m_tracks.append(folder + QDir::separator() + file);
}

void NewAlbumForm::locate(const std::optional<QString> &folder)
{
    m_tracks.clear();
    if (folder) {
        m_located = QDir::cleanPath(*folder);
        addFolder(m_located);
    }
    // After a cancel the name box takes the folder the list showed before.
    m_title = AlbumFiles::fileName(m_located);
}

void NewAlbumForm::drop(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (AlbumFiles::isMusicName(AlbumFiles::fileName(path)) && !QFileInfo(path).isDir())
            m_tracks.append(path);
    }
}

void NewAlbumForm::removeTrack(int index)
{
    if (index < 0 || index >= m_tracks.size()) {
        m_prompter.message(tr("Please Select a Track first"));
        return;
    }
    m_tracks.removeAt(index);
}

QString NewAlbumForm::musicFolder() const
{
    const auto lines = SettingsFile::readLines(m_app.file(QStringLiteral("jb.ini")));
    const QString line = lines ? lines->at(0) : QString();
    return line == QStringLiteral("(Lumetra default)") || line.isEmpty() ? m_app.defaultMusicFolder() : line;
}

bool NewAlbumForm::create(int albumCount, const AlbumFiles::Progress &progress)
{
    if (m_tracks.isEmpty()) {
        m_prompter.message(
            m_locateMode
                ? tr("No tracks have yet been added - please select a folder that contains music tracks")
                : tr("No tracks have yet been added - please drag music tracks to the left hand pain or "
                     "use the Copy from Folder button"));
        return false;
    }
    m_title = AlbumFiles::rewriteTitle(m_title);
    if (m_title.trimmed().isEmpty()) {
        m_prompter.message(tr("Please enter a title."));
        return false;
    }
    const QString music = musicFolder();
    const QString folder = music + QDir::separator() + m_title;
    // A folder whose name begins with a dot is hidden, and the next scan would leave the album out.
    if (QDir::cleanPath(folder + QStringLiteral("/..")) != QDir::cleanPath(music) ||
        m_title.startsWith(u'.')) {
        m_prompter.message(
            tr("\"%1\" cannot be the name of an album folder - please choose a different name.")
                .arg(m_title));
        return false;
    }
    if (m_songs.findFirst(QStringLiteral("album = '") + quoteDoubled(m_title) + u'\'')) {
        m_prompter.message(
            tr("Lumetra already has an album with this name listed!  Please choose a different name."));
        return false;
    }
    if (albumCount < 2)
        m_prompter.message(
            tr("If you have less than 2 albums in Lumetra, you must restart the program before they can be "
               "added.  This is not needed once you have more than two albums."));

    QString path;
    if (m_locateMode) {
        m_tracks.clear();
        path = m_located + QDir::separator();
    } else {
        // One level only: the music folder must exist, and an album folder must be new.
        if (!QDir().mkdir(folder)) {
            m_prompter.message(folderExistsText());
            return false;
        }
        while (!m_tracks.isEmpty()) {
            const QString name = AlbumFiles::fileName(m_tracks.first());
            if (AlbumFiles::isMusicName(name) &&
                !AlbumFiles::copyFile(m_tracks.first(), folder + QDir::separator() + name, progress)) {
                m_prompter.message(folderExistsText());
                return false;
            }
            m_tracks.removeFirst();
        }
        path = folder + QDir::separator();
    }
    m_songs.addNew();
    m_songs.setValue(QStringLiteral("Path"), path);
    m_songs.setValue(QStringLiteral("Album"), m_title);
    if (!m_songs.update()) {
        m_prompter.message(
            m_locateMode ? tr("The album could not be added to the catalogue: %1").arg(m_songs.lastError())
                         : folderExistsText());
        return false;
    }
    m_songs.moveLast();
    m_prompter.message(tr("New album created!"), Prompter::Buttons::OkCancel);
    return true;
}

} // namespace lumetra
