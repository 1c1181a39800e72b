#pragma once

#include "remotehost.h"

#include <QCoreApplication>

#include <functional>

namespace lumetra {

class MediaPlayer;
class Party;
class Playback;

// The remote's host over the window's own playback and player: guests' picks are queued through Playback
// as a click in the track list queues them, under party mode's guest rules; the host's PIN is party mode's;
// the host's skip and volume are the desktop's media keys; a mode is chosen through the window's own command
// for it.
class JukeboxHost : public RemoteHost
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::JukeboxHost)
public:
    using ModeCommand = std::function<void(const QString &mode)>;
    JukeboxHost(Playback &playback, MediaPlayer &player, ModeCommand setMode);
    // Without a party there is no PIN, and so no host on a phone.
    void setParty(Party *party) { m_party = party; }

    State state() const override;
    Pick queue(qint64 album, int track, const QString &name) override;
    PinCheck pinCheck() const override;
    void skip() override;
    void setVolume(int volume) override;
    void setMode(const QString &mode) override;

private:
    Playback &m_playback;
    MediaPlayer &m_player;
    ModeCommand m_setMode;
    Party *m_party = nullptr;
};

} // namespace lumetra
