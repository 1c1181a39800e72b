#include "albumcommands.h"

#include "albumlist.h"
#include "core/criteria.h"
#include "core/folderlisting.h"
#include "core/prompter.h"
#include "core/recordview.h"
#include "wall.h"

#include <QCoreApplication>

namespace lumetra {

AlbumCommands::AlbumCommands(RecordView &songs, const Wall &wall, const AlbumList &albums, Prompter &prompter,
                             Hooks hooks)
    : m_songs(songs)
    , m_wall(wall)
    , m_albums(albums)
    , m_prompter(prompter)
    , m_hooks(std::move(hooks))
{
}

std::optional<AlbumCommands::Album> AlbumCommands::album(int slot)
{
    const auto &page = m_wall.page();
    if (slot < 0 || slot >= static_cast<int>(page.size()) || page[slot].id.isEmpty())
        return std::nullopt;
    if (!m_songs.findFirst(idCriteria(page[slot].id)))
        return std::nullopt;
    return Album{page[slot].title, m_songs.value(QStringLiteral("Path"))};
}

QStringList AlbumCommands::trackNames(int slot)
{
    QStringList names;
    if (const auto chosen = album(slot)) {
        for (const QString &file : listFiles(chosen->path, kMusicPatterns))
            names.append(file.left(file.size() - 4));
    }
    return names;
}

void AlbumCommands::rename(int slot)
{
    const auto chosen = album(slot);
    if (!chosen)
        return;
    const QString answer =
        m_prompter
            .input(QCoreApplication::translate("AlbumCommands", "Enter new name for album"), chosen->title)
            .value_or(QString());
    // The question may take a while; find the album again in case something moved the cursor meanwhile.
    if (answer.isEmpty() || !album(slot))
        return;
    const QString title = AlbumFiles::renameTitle(answer);
    m_songs.setValue(QStringLiteral("Album"), title);
    if (!m_songs.update()) {
        m_prompter.message(QCoreApplication::translate("AlbumCommands", "The album could not be renamed: %1")
                               .arg(m_songs.lastError()));
        return;
    }
    m_songs.moveLast();
    m_hooks.setSlotTitle(slot, title);
    m_hooks.populate();
}

void AlbumCommands::remove(int slot)
{
    if (m_albums.size() < 3) {
        m_prompter.message(QCoreApplication::translate(
            "AlbumCommands", "Lumetra needs at least two albums present!  Please create some "
                             "new ones before deleting these ones."));
        return;
    }
    const auto chosen = album(slot);
    if (!chosen)
        return;
    const QString yes = QCoreApplication::translate("AlbumCommands", "yes",
                                                    "the word typed to confirm that an album is removed");
    const QString prompt =
        QCoreApplication::translate("AlbumCommands",
                                    "Are you sure?  This will remove the album: %1 from Lumetra (but "
                                    "not delete it from your disk) - you must type \"%2\" to "
                                    "confirm...")
            .arg(chosen->title, yes);
    if (m_prompter.input(prompt) != yes || !album(slot))
        return;
    if (!m_songs.deleteRecord()) {
        m_prompter.message(QCoreApplication::translate("AlbumCommands", "The album could not be removed: %1")
                               .arg(m_songs.lastError()));
        return;
    }
    m_songs.refresh();
    m_songs.moveFirst();
    m_hooks.populate();
    m_hooks.unloader();
}

void AlbumCommands::dropOnCover(int slot, const QStringList &paths, const AlbumFiles::Progress &progress)
{
    const auto chosen = album(slot);
    if (!chosen)
        return;
    for (const QString &path : paths) {
        const QString name = AlbumFiles::fileName(path);
        if (AlbumFiles::isMusicName(name))
            AlbumFiles::copyFile(path, chosen->path + name, progress);
    }
}

bool AlbumCommands::addTracks(const QString &albumPath, QStringList &entries,
                              const AlbumFiles::Progress &progress)
{
    if (entries.isEmpty())
        return false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!AlbumFiles::hasThreeLetterExtension(entries[i])) {
            m_prompter.message(
                QCoreApplication::translate(
                    "AlbumCommands", "Please add individual tracks, not albums.  Folder will not be added."),
                Prompter::Buttons::OkCancel);
            entries.removeAt(i);
            return false;
        }
    }
    while (!entries.isEmpty()) {
        // A file that cannot be copied is passed over; the album keeps what did copy.
        AlbumFiles::copyFile(entries.first(), albumPath + AlbumFiles::fileName(entries.first()), progress);
        entries.removeFirst();
    }
    return true;
}

} // namespace lumetra
