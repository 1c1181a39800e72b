#include "jukeboxqueue.h"

#include "core/appfolder.h"
#include "core/folderlisting.h"
#include "core/prompter.h"
#include "mediaplayer.h"
#include "playback.h"
#include "playbackview.h"

#include <QDir>

namespace lumetra {

JukeboxQueue::JukeboxQueue(Playback &playback, MediaPlayer &player, PlaybackView &view, Prompter &prompter,
                           const AppFolder &app)
    : m_playback(playback)
    , m_player(player)
    , m_view(view)
    , m_prompter(prompter)
    , m_app(app)
{
}

void JukeboxQueue::select(int i)
{
    if (i >= -1 && i < m_lines.size())
        m_selected = i;
}

void JukeboxQueue::clear()
{
    m_lines.clear();
    m_paths.clear();
    m_selected = -1;
    m_view.queueChanged();
}

void JukeboxQueue::add(const QString &name, const QString &album, const QString &path, const QString &cover)
{
    if (m_refilling) {
        // The refill's pick: queued whatever was queued last.
        m_refilling = false;
        m_lines.append(tr("%1 - Added by Lumetra - Hey, Nothing was waiting in the queue...").arg(name));
    } else {
        if (name == m_lastQueued)
            return;
        m_lines.append(name + QStringLiteral("  -  ") + album);
    }
    m_paths.append(path);
    m_view.queueChanged();
    m_lastQueued = name;
    if (m_lines.size() == 1) {
        m_view.showQueuePicture(cover);
        m_playback.player();
    }
    m_view.setStatus(tr("*Playlist Mode: (click album art in playlist area to skip track...)"));
}

bool JukeboxQueue::advance()
{
    m_lastQueued.clear();
    if (!remove(0))
        return false;
    if (m_paths.isEmpty())
        return refill();
    m_playback.player();
    playlistpic();
    return true;
}

bool JukeboxQueue::refill()
{
    m_refilling = true;
    const bool refilled = m_playback.fillsub();
    m_refilling = false;
    return refilled;
}

bool JukeboxQueue::remove(int i)
{
    if (i < 0 || i >= m_paths.size())
        return false;
    m_lines.removeAt(i);
    m_paths.removeAt(i);
    if (m_selected >= m_lines.size())
        m_selected = -1;
    m_view.queueChanged();
    return true;
}

void JukeboxQueue::playskip()
{
    skip(m_selected);
}

void JukeboxQueue::skipHead()
{
    skip(0);
}

void JukeboxQueue::skip(int i)
{
    m_player.stop();
    if (remove(i)) {
        // Skipping the last entry refills the queue as the end of its track would; only Stop silences it.
        if (m_lines.isEmpty()) {
            refill();
        } else {
            select(0);
            m_playback.player();
        }
    }
    playlistpic();
}

void JukeboxQueue::playlistpic()
{
    const QString fallback = m_app.defaultPicture();
    if (m_paths.isEmpty()) {
        m_view.showQueuePicture(fallback);
        return;
    }
    const QString head = m_paths.first();
    const qsizetype cut = head.lastIndexOf(QDir::separator());
    const QString folder = cut < 0 ? QString() : head.left(cut + 1);
    const QStringList pictures = listFiles(folder, kPicturePatterns);
    m_view.showQueuePicture(pictures.isEmpty() ? fallback : folder + pictures.first());
}

void JukeboxQueue::mnutop()
{
    const int i = m_selected;
    if (i < 0 || i >= m_lines.size())
        return;
    const QString line = m_lines.takeAt(i);
    const QString path = m_paths.takeAt(i);
    const int to = qMin<int>(1, m_lines.size());
    m_lines.insert(to, line);
    m_paths.insert(to, path);
    m_selected = to;
    m_view.queueChanged();
}

void JukeboxQueue::playdel()
{
    const int i = m_selected;
    if (i == 0) {
        m_prompter.message(
            tr("Cannot delete a playing track - click on the album cover art to right if you want "
               "to skip this track"));
        return;
    }
    remove(i);
    select(m_lines.isEmpty() ? -1 : 0);
    m_view.queueChanged();
}

} // namespace lumetra
