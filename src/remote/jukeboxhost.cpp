#include "jukeboxhost.h"

#include "party/party.h"
#include "playback/mediaplayer.h"
#include "playback/playback.h"

namespace lumetra {

JukeboxHost::JukeboxHost(Playback &playback, MediaPlayer &player, ModeCommand setMode)
    : m_playback(playback)
    , m_player(player)
    , m_setMode(std::move(setMode))
{
}

RemoteHost::State JukeboxHost::state() const
{
    State state;
    // The mode that plays is the first flag set, in the order the end of a track tests them.
    if (m_playback.shuffleMode())
        state.mode = QStringLiteral("shuffle");
    else if (m_playback.jukeMode())
        state.mode = QStringLiteral("jukebox");
    else if (m_playback.collMode())
        state.mode = QStringLiteral("collections");
    else if (m_playback.albumShuffle())
        state.mode = QStringLiteral("album");
    else
        state.mode = QStringLiteral("normal");
    state.picksOpen = m_playback.jukeMode();
    const Playback::NowPlaying now = m_playback.nowPlaying();
    state.title = now.title;
    state.album = now.album;
    state.artist = now.artist;
    state.file = now.path;
    if (m_playback.jukeMode())
        state.queue = m_playback.queueLines();
    state.upNext = m_playback.upNextLine();
    state.volume = m_player.volume();
    return state;
}

RemoteHost::Pick JukeboxHost::queue(qint64 album, int track, const QString &name)
{
    QString refusal;
    switch (m_playback.queueCatalogueTrack(album, track, name, &refusal)) {
    case Playback::RemotePick::Queued:
        return {Outcome::Queued, {}};
    case Playback::RemotePick::Refused:
        return {Outcome::Refused, refusal};
    case Playback::RemotePick::NotJukebox:
        return {Outcome::Refused, tr("Picks are closed: the jukebox is not in Jukebox mode.")};
    case Playback::RemotePick::JustQueued:
        return {Outcome::Refused, tr("\"%1\" was the last track queued.").arg(name)};
    case Playback::RemotePick::NoAlbum:
        return {Outcome::NoAlbum, {}};
    case Playback::RemotePick::NoTrack:
        return {Outcome::NoTrack, {}};
    case Playback::RemotePick::Changed:
        return {Outcome::Changed, {}};
    }
    return {Outcome::NoTrack, {}};
}

RemoteHost::PinCheck JukeboxHost::pinCheck() const
{
    if (!m_party || m_party->lock().key().isNull())
        return {};
    const PinKey key = m_party->lock().key();
    return {key.salt + key.key, [key](const QString &pin) { return PartyLock::matches(key, pin); }};
}

void JukeboxHost::skip()
{
    m_playback.skip();
}

void JukeboxHost::setVolume(int volume)
{
    m_player.setVolume(volume);
}

void JukeboxHost::setMode(const QString &mode)
{
    if (m_setMode)
        m_setMode(mode);
}

} // namespace lumetra
