#pragma once

#include "albumfiles.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

class AppFolder;
class Prompter;
class RecordView;

// The "Create a New Album" window as data: copy mode (gather tracks, name the album, copy them into a new
// folder under the music folder) or add-in-place mode (record an existing folder). Messages go through
// the Prompter; create() says whether the album was made.
class NewAlbumForm
{
    Q_DECLARE_TR_FUNCTIONS(NewAlbumForm)

public:
    NewAlbumForm(RecordView &songs, const AppFolder &app, Prompter &prompter);

    bool locateMode() const { return m_locateMode; }
    void chooseCopy() { m_locateMode = false; }
    void chooseLocate() { m_locateMode = true; }

    const QStringList &tracks() const { return m_tracks; }
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    QString locatedFolder() const { return m_located; }

    // "Copy from Folder": appends the folder's music files (".wav" included, any case) in name order.
    void addFolder(const QString &folder);
    // "Locate New Album": the list becomes the folder's files; the name box takes the folder's name.
    void locate(const std::optional<QString> &folder);
    // Files dropped on the list: only names passing the music test; folders and other files are ignored.
    void drop(const QStringList &paths);
    // "Remove from List"; -1 (nothing selected) says so.
    void removeTrack(int index);

    // "Create this Album" / "Add to Database" for a catalogue of `albumCount` titles. True when the album
    // record was added; the window then closes and the wall is rebuilt. The title is rewritten first
    // (rewriteTitle); one that is blank, or whose folder would not lie directly in the music folder ("."
    // and ".."), is refused with a message.
    bool create(int albumCount, const AlbumFiles::Progress &progress = {});

    // The message when the album folder cannot be made or filled.
    static QString folderExistsText();

private:
    QString musicFolder() const;

    RecordView &m_songs;
    const AppFolder &m_app;
    Prompter &m_prompter;
    bool m_locateMode = false;
    QStringList m_tracks;
    QString m_title;
    QString m_located;
};

} // namespace lumetra
