#pragma once

#include "core/albumfiles.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace lumetra {

class AlbumList;
class Prompter;
class RecordView;
class Wall;

// The cover menu's album commands and drops on covers. Each acts on the album a wall slot shows, found by
// the slot's ID. Renaming and removing change only the catalogue, never the disk.
class AlbumCommands
{
public:
    // What the commands ask of the main window.
    struct Hooks {
        std::function<void()> populate;
        std::function<void()> unloader;
        std::function<void(int slot, const QString &title)> setSlotTitle;
    };

    AlbumCommands(RecordView &songs, const Wall &wall, const AlbumList &albums, Prompter &prompter,
                  Hooks hooks);

    struct Album {
        QString title; // the slot's title
        QString path;  // the album folder, ending with the separator
    };
    // Finds the slot's album; nullopt for an empty slot or an album no longer in the catalogue.
    std::optional<Album> album(int slot);

    // "List Songs": the track names of the slot's album.
    QStringList trackNames(int slot);
    // "Rename Album": asks for the new title.
    void rename(int slot);
    // "Delete Album": needs three albums and the typed "yes".
    void remove(int slot);
    // Files dropped on a cover: music files are copied into the album's folder.
    void dropOnCover(int slot, const QStringList &paths, const AlbumFiles::Progress &progress = {});

    // "Add tracks" Okay: true when every entry was copied (or skipped as uncopyable) into `albumPath` and
    // the list emptied; false when the list is empty or an entry was refused (and removed) as a folder.
    bool addTracks(const QString &albumPath, QStringList &entries, const AlbumFiles::Progress &progress = {});

private:
    RecordView &m_songs;
    const Wall &m_wall;
    const AlbumList &m_albums;
    Prompter &m_prompter;
    Hooks m_hooks;
};

} // namespace lumetra
