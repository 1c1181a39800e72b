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

    enum class Status { Read, Missing, Damaged };
    struct Loaded;
    // A missing file gives the defaults (party mode off). A damaged one gives them too, with the reason.
    static Loaded load(const QString &path);
    // Writes the whole file through a temporary one that replaces it only when complete; on failure the
    // old file is untouched and `error` says why.
    bool save(const QString &path, QString *error = nullptr) const;

    bool operator==(const PartySettings &) const = default;
};

struct PartySettings::Loaded {
    PartySettings settings;
    Status status = Status::Missing;
    QString error; // why a damaged file was ignored
};

} // namespace lumetra
