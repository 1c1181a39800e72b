#pragma once

#include "guestrules.h"
#include "partylock.h"
#include "playhistory.h"

#include <QCoreApplication>
#include <QString>

namespace lumetra {

// party.ini in the application folder (Qt's INI format): party mode on or off, the lock and its PIN key,
// the guest rules, and N and K of the play history. Keys it does not know are kept when it writes.
class PartySettings
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::PartySettings)

public:
    static QString fileName() { return QStringLiteral("party.ini"); }

    bool partyMode = false;
    bool locked = false;
    PinKey pin;
    GuestRules guests;
    int historyTracks = PlayHistory::kDefaultTracks;
    int historyAlbums = PlayHistory::kDefaultAlbums;

    // The phone remote ([remote]): on or off, its port, the access token in the page's address. Read even
    // from a file whose party values are damaged; a missing or invalid value gives its default.
    struct Remote {
        static constexpr quint16 kDefaultPort = 8765;
        static constexpr quint16 kLowestPort = 1024;
        bool on = false;
        quint16 port = kDefaultPort;
        QByteArray token;
        bool operator==(const Remote &) const = default;
    };
    Remote remote;

    enum class Status { Read, Missing, Damaged };
    struct Loaded;
    // A missing file gives the defaults (party mode off). A damaged one, or one that is not a regular file
    // (never opened), gives them too, with the reason. A file others may read is made the owner's alone.
    static Loaded load(const QString &path);
    // Writes the whole file through a temporary one beside it that replaces it (or a symbolic link in its
    // place) only when complete; on failure the old file is untouched and `error` says why.
    bool save(const QString &path, QString *error = nullptr) const;
    // Removes the temporaries a kill during save() left beside `path` (they hold the token).
    static void removeLeftovers(const QString &path);

    bool operator==(const PartySettings &) const = default;
};

struct PartySettings::Loaded {
    PartySettings settings;
    Status status = Status::Missing;
    QString error;            // why a damaged file was ignored
    bool madePrivate = false; // others could read it until now
};

} // namespace lumetra
