#include "partyguard.h"

#include "core/prompter.h"
#include "party.h"

namespace lumetra {

PartyGuard::PartyGuard(Party &party, Prompter &prompter, Notice notice)
    : m_party(party)
    , m_prompter(prompter)
    , m_notice(std::move(notice))
{
}

bool PartyGuard::permit(PartyCommand command)
{
    if (!m_party.lock().needsPin(command, m_party.guests()))
        return true;
    return askPin();
}

bool PartyGuard::askPin()
{
    PartyLock &lock = m_party.lock();
    const auto paused = [&] {
        m_notice(tr("Too many wrong PINs: try again in %1 seconds.").arg(lock.pauseSecondsLeft()));
        return false;
    };
    if (lock.pauseSecondsLeft() > 0)
        return paused();
    const std::optional<QString> pin = m_prompter.secret(tr("The jukebox is locked. Enter the PIN:"));
    if (!pin)
        return false;
    switch (lock.check(*pin)) {
    case PartyLock::Check::Right:
        return true;
    case PartyLock::Check::Paused:
        return paused();
    case PartyLock::Check::Wrong:
        if (lock.pauseSecondsLeft() > 0)
            return paused();
        m_notice(tr("Wrong PIN."));
        return false;
    }
    return false;
}

bool PartyGuard::unlock()
{
    if (!m_party.isLocked())
        return true;
    if (!askPin())
        return false;
    QString error;
    if (!m_party.unlock(&error)) {
        m_prompter.message(tr("The jukebox stays locked: %1 could not be written (%2).")
                               .arg(PartySettings::fileName(), error));
        return false;
    }
    return true;
}

} // namespace lumetra
