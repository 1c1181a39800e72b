#pragma once

#include "partylock.h"
#include "partysettings.h"
#include "playhistory.h"

#include <QCoreApplication>
#include <QString>

namespace lumetra {

// Party mode on the window's thread: party.ini, the play history and the guest lock together. Every change
// is written to party.ini at once; a change that cannot be written is not made.
class Party
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::Party)

public:
    explicit Party(QString path, PartyLock::Clock clock = {});

    // Reads party.ini, after removing what a kill left of a write. Returns what to tell the user, once: a
    // damaged file had to be ignored, or one that others could read was made private.
    QString load();

    const PartySettings &settings() const { return m_settings; }
    bool isOn() const { return m_settings.partyMode; }
    bool isLocked() const { return m_lock.isLocked(); }
    const GuestRules &guests() const { return m_settings.guests; }
    PlayHistory &history() { return m_history; }
    const PlayHistory &history() const { return m_history; }
    PartyLock &lock() { return m_lock; }

    bool setOn(bool on, QString *error = nullptr);
    // Party mode on, a new PIN and the guests' rules, locked.
    bool lockWith(const QString &pin, const GuestRules &rules, QString *error = nullptr);
    bool unlock(QString *error = nullptr);
    // Any other change of party.ini (the phone remote's settings too): written whole first, then taken.
    bool change(const PartySettings &next, QString *error = nullptr);

private:
    QString m_path;
    PartySettings m_settings;
    PlayHistory m_history;
    PartyLock m_lock;
};

} // namespace lumetra
