#include "party.h"

#include <QStringList>

namespace lumetra {

Party::Party(QString path, PartyLock::Clock clock)
    : m_path(std::move(path))
    , m_lock(std::move(clock))
{
}

QString Party::load()
{
    PartySettings::removeLeftovers(m_path);
    const PartySettings::Loaded loaded = PartySettings::load(m_path);
    m_settings = loaded.settings;
    m_history.setLimits(m_settings.historyTracks, m_settings.historyAlbums);
    m_lock.setKey(m_settings.pin);
    m_lock.setLocked(m_settings.locked);
    QStringList said;
    if (loaded.status == PartySettings::Status::Damaged)
        said.append(
            tr("The party settings in %1 could not be used: %2. Party mode is off; the file is left as "
               "it is until party mode is changed.")
                .arg(PartySettings::fileName(), loaded.error));
    if (loaded.madePrivate)
        said.append(tr("Other users of this computer could read %1; now only you can.")
                        .arg(PartySettings::fileName()));
    return said.join(QStringLiteral("\n\n"));
}

bool Party::change(const PartySettings &next, QString *error)
{
    if (!next.save(m_path, error))
        return false;
    m_settings = next;
    m_history.setLimits(m_settings.historyTracks, m_settings.historyAlbums);
    m_lock.setKey(m_settings.pin);
    m_lock.setLocked(m_settings.locked);
    return true;
}

bool Party::setOn(bool on, QString *error)
{
    PartySettings next = m_settings;
    next.partyMode = on;
    next.locked = next.locked && on;
    return change(next, error);
}

bool Party::lockWith(const QString &pin, const GuestRules &rules, QString *error)
{
    if (!PartyLock::isValidPin(pin)) {
        if (error)
            *error =
                tr("The PIN must be %1 to %2 digits.").arg(PartyLock::kMinDigits).arg(PartyLock::kMaxDigits);
        return false;
    }
    PartySettings next = m_settings;
    next.partyMode = true;
    next.locked = true;
    next.pin = PartyLock::makeKey(pin);
    next.guests = rules;
    return change(next, error);
}

bool Party::unlock(QString *error)
{
    PartySettings next = m_settings;
    next.locked = false;
    return change(next, error);
}

} // namespace lumetra
