#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace lumetra {

class PlayHistory;

// What guests may do while the jukebox is locked, beyond paging, searching and queueing.
struct GuestRules {
    Q_DECLARE_TR_FUNCTIONS(lumetra::GuestRules)

public:
    static constexpr int kDefaultMaxWaiting = 10;
    static constexpr int kMaxVolume = 100;
    static constexpr int kDefaultMinVolume = 20;

    int maxWaiting = kDefaultMaxWaiting; // people's picks waiting in the queue at once
    bool maySkip = false;
    int maxVolume = kMaxVolume;        // the loudest guests may set, 0 to 100
    int minVolume = kDefaultMinVolume; // the quietest, 0 to maxVolume

    // `volume` brought within what guests may set.
    int guestVolume(int volume) const
    {
        return std::clamp(volume, std::min(minVolume, maxVolume), maxVolume);
    }

    // Why a guest may not queue `path` now, or empty when they may: the queue already holds maxWaiting
    // people's picks (`waiting`, the entries after the playing one), the track is waiting already, or it is
    // among the last `window` plays of `history`. `name` is the track as the notice shows it.
    QString refusal(const QString &path, const QString &name, const QStringList &waiting,
                    const PlayHistory &history, int window) const;

    bool operator==(const GuestRules &) const = default;
};

} // namespace lumetra
