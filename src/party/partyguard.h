#pragma once

#include "partylock.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace lumetra {

class Party;
class Prompter;

// The lock at the screen: a command that needs the PIN while locked asks for it, and a wrong PIN, or any
// try during the pause after three, is refused with a short notice.
class PartyGuard
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::PartyGuard)

public:
    using Notice = std::function<void(const QString &)>;
    PartyGuard(Party &party, Prompter &prompter, Notice notice);

    // True when `command` may run now: it needs no PIN, or the right PIN was typed for it. The lock stays.
    bool permit(PartyCommand command);
    // Asks for the PIN and unlocks; false when it was wrong, refused or could not be written.
    bool unlock();

private:
    bool askPin();

    Party &m_party;
    Prompter &m_prompter;
    Notice m_notice;
};

} // namespace lumetra
