#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

namespace lumetra {

struct GuestRules;

// A PIN kept only as a salted PBKDF2-SHA256 key.
struct PinKey {
    QByteArray salt;
    QByteArray key;
    int iterations = 0;

    bool isNull() const { return key.isEmpty(); }
    bool operator==(const PinKey &) const = default;
};

// What a person at the screen may ask for; while locked, guests may do some of it without the PIN.
enum class PartyCommand {
    Page,
    JumpToLetter,
    Search,
    OpenAlbum,
    ListSongs,
    QueueTrack,
    Skip,
    RaiseVolume, // louder than the guests' loudest volume, or quieter than their quietest
    ChangeMode,
    Settings,
    AddNewAlbum,
    AddSongs,
    Rename,
    Delete,
    GetCoverArt,
    Explore,
    EditCollection,
    ShuffleChoice, // skip or play an album in shuffle, the list of skipped albums
    EditQueue,     // move to top, delete from the queue
    Stop,          // stop and pause
    LeaveFullScreen,
    CloseWindow,
    ListAlbumsInBrowser,
    Playlists, // import and export
    Help,
    PartyMode,
    Unlock,
};

// The guest lock: the PIN's key, the pause after three wrong PINs, and the table of what needs the PIN.
class PartyLock
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::PartyLock)

public:
    static constexpr int kMinDigits = 4;
    static constexpr int kMaxDigits = 8;
    // Each check takes a noticeable moment but not a long one; the key is for the file, not a vault.
    static constexpr int kIterations = 50000;
    static constexpr int kWrongBeforePause = 3;
    static constexpr qint64 kPauseMs = 60000;

    // Milliseconds from any fixed point, never going back.
    using Clock = std::function<qint64()>;
    explicit PartyLock(Clock clock = {});

    static bool isValidPin(const QString &pin);
    // A key under a fresh random salt.
    static PinKey makeKey(const QString &pin, int iterations = kIterations);
    static bool matches(const PinKey &key, const QString &pin);

    void setKey(const PinKey &key) { m_key = key; }
    const PinKey &key() const { return m_key; }
    bool isLocked() const { return m_locked; }
    // Locking needs a key.
    void setLocked(bool locked) { m_locked = locked && !m_key.isNull(); }

    enum class Check { Right, Wrong, Paused };
    // A PIN typed at the screen; the third wrong one in a row pauses every try for a minute.
    Check check(const QString &pin);
    // Whole seconds left of the pause, 0 when none.
    int pauseSecondsLeft() const;

    // Whether `command` needs the PIN now: never while unlocked; while locked, as the table says.
    bool needsPin(PartyCommand command, const GuestRules &rules) const;
    // The table alone: what a guest may do without the PIN.
    static bool guestMay(PartyCommand command, const GuestRules &rules);

private:
    Clock m_clock;
    PinKey m_key;
    bool m_locked = false;
    int m_wrong = 0;
    qint64 m_pausedUntil = 0;
    bool m_paused = false;
};

} // namespace lumetra
