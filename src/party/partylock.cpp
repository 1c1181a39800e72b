#include "partylock.h"

#include "guestrules.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QPasswordDigestor>
#include <QRandomGenerator>

#include <array>

namespace lumetra {

namespace {

constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;

enum class Guest { May, NeedsPin, IfSkippingAllowed };

struct Permission {
    PartyCommand command;
    Guest guest;
};

// Locked, guests page, jump, search, open albums, list songs and queue; everything else asks for the PIN.
constexpr std::array kPermissions{
    Permission{PartyCommand::Page, Guest::May},
    Permission{PartyCommand::JumpToLetter, Guest::May},
    Permission{PartyCommand::Search, Guest::May},
    Permission{PartyCommand::OpenAlbum, Guest::May},
    Permission{PartyCommand::ListSongs, Guest::May},
    Permission{PartyCommand::QueueTrack, Guest::May},
    Permission{PartyCommand::Skip, Guest::IfSkippingAllowed},
    Permission{PartyCommand::RaiseVolume, Guest::NeedsPin},
    Permission{PartyCommand::ChangeMode, Guest::NeedsPin},
    Permission{PartyCommand::Settings, Guest::NeedsPin},
    Permission{PartyCommand::AddNewAlbum, Guest::NeedsPin},
    Permission{PartyCommand::AddSongs, Guest::NeedsPin},
    Permission{PartyCommand::Rename, Guest::NeedsPin},
    Permission{PartyCommand::Delete, Guest::NeedsPin},
    Permission{PartyCommand::GetCoverArt, Guest::NeedsPin},
    Permission{PartyCommand::Explore, Guest::NeedsPin},
    Permission{PartyCommand::EditCollection, Guest::NeedsPin},
    Permission{PartyCommand::ShuffleChoice, Guest::NeedsPin},
    Permission{PartyCommand::EditQueue, Guest::NeedsPin},
    Permission{PartyCommand::Stop, Guest::NeedsPin},
    Permission{PartyCommand::LeaveFullScreen, Guest::NeedsPin},
    Permission{PartyCommand::CloseWindow, Guest::NeedsPin},
    Permission{PartyCommand::ListAlbumsInBrowser, Guest::NeedsPin},
    Permission{PartyCommand::Playlists, Guest::NeedsPin},
    Permission{PartyCommand::Help, Guest::NeedsPin},
    Permission{PartyCommand::PartyMode, Guest::NeedsPin},
    Permission{PartyCommand::Unlock, Guest::NeedsPin},
};

qint64 steadyMs()
{
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

QByteArray derive(const QString &pin, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt, iterations,
                                              kKeyBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

PartyLock::PartyLock(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(steadyMs))
{
}

bool PartyLock::isValidPin(const QString &pin)
{
    if (pin.size() < kMinDigits || pin.size() > kMaxDigits)
        return false;
    return std::all_of(pin.begin(), pin.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

PinKey PartyLock::makeKey(const QString &pin, int iterations)
{
    PinKey made;
    made.salt.resize(kSaltBytes);
    QRandomGenerator::system()->generate(made.salt.begin(), made.salt.end());
    made.iterations = iterations;
    made.key = derive(pin, made.salt, iterations);
    return made;
}

bool PartyLock::matches(const PinKey &key, const QString &pin)
{
    if (key.isNull() || key.iterations <= 0)
        return false;
    return sameBytes(derive(pin, key.salt, key.iterations), key.key);
}

PartyLock::Check PartyLock::check(const QString &pin)
{
    if (pauseSecondsLeft() > 0)
        return Check::Paused;
    if (matches(m_key, pin)) {
        m_wrong = 0;
        return Check::Right;
    }
    if (++m_wrong >= kWrongBeforePause) {
        m_wrong = 0;
        m_paused = true;
        m_pausedUntil = m_clock() + kPauseMs;
    }
    return Check::Wrong;
}

int PartyLock::pauseSecondsLeft() const
{
    if (!m_paused)
        return 0;
    const qint64 left = m_pausedUntil - m_clock();
    return left > 0 ? static_cast<int>((left + 999) / 1000) : 0;
}

bool PartyLock::guestMay(PartyCommand command, const GuestRules &rules)
{
    for (const Permission &p : kPermissions) {
        if (p.command == command)
            return p.guest == Guest::May || (p.guest == Guest::IfSkippingAllowed && rules.maySkip);
    }
    return false;
}

bool PartyLock::needsPin(PartyCommand command, const GuestRules &rules) const
{
    return m_locked && !guestMay(command, rules);
}

} // namespace lumetra
