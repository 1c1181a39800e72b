#include "partycontrols.h"

#include "core/appfolder.h"
#include "core/prompter.h"
#include "lockdialog.h"
#include "playback/mediaplayer.h"
#include "ui/main/mainmenus.h"
#include "ui/windows/skippedalbumswindow.h"
#include "wall/skippedalbums.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>

namespace lumetra {

Q_DECLARE_LOGGING_CATEGORY(lcMainWindow)

namespace {
constexpr int kKeepFullScreenMs = 500;
} // namespace

PartyControls::PartyControls(Context context, QWidget *window)
    : QObject(window)
    , m_context(std::move(context))
    , m_window(window)
    , m_party(m_context.app.file(PartySettings::fileName()))
    , m_guard(m_party, m_context.prompter, m_context.notice)
{
    MainMenus &menus = m_context.menus;
    menus.setGate([this](PartyCommand command) { return permit(command); });
    connect(&menus, &MainMenus::partyMode, this, &PartyControls::setPartyMode);
    connect(&menus, &MainMenus::lockForGuests, this, &PartyControls::openLockDialog);
    connect(&menus, &MainMenus::unlock, this, &PartyControls::unlock);
    connect(&menus, &MainMenus::skippedAlbums, this, &PartyControls::openSkippedAlbums);
    connect(&m_context.player, &MediaPlayer::volumeChanged, this, &PartyControls::volumeChanged);
    m_window->installEventFilter(this);
    // Some window managers iconify a window without Qt hearing of a change of state at once.
    m_keeper.setInterval(kKeepFullScreenMs);
    connect(&m_keeper, &QTimer::timeout, this, &PartyControls::keepFullScreen);
    m_context.playback.setParty(&m_party);
    apply();
}

void PartyControls::load()
{
    const QString damaged = m_party.load();
    if (!damaged.isEmpty())
        m_context.prompter.message(damaged);
    apply();
    m_context.playback.partyChanged();
    Q_EMIT badgesChanged();
}

LockDialog *PartyControls::lockDialog() const
{
    return m_lockDialog;
}

SkippedAlbumsWindow *PartyControls::skippedAlbumsWindow() const
{
    return m_skipped;
}

bool PartyControls::permit(PartyCommand command)
{
    return m_guard.permit(command);
}

PartyCommand PartyControls::trackClick() const
{
    const Playback &playback = m_context.playback;
    if (playback.collEdit())
        return PartyCommand::EditCollection;
    // Outside Jukebox mode a chosen track starts at once, in place of the one playing.
    return playback.jukeMode() ? PartyCommand::QueueTrack : PartyCommand::Skip;
}

PartyCommand PartyControls::trackKey(Playback::Key key) const
{
    const Playback &playback = m_context.playback;
    const bool space = key == Playback::Key::Space;
    // In Jukebox mode any key skips; Space skips in Shuffle All and Collections; the keypad pages.
    if (playback.jukeMode() || (space && (playback.shuffleMode() || playback.collMode())))
        return PartyCommand::Skip;
    return PartyCommand::Page;
}

PartyCommand PartyControls::coverPress(bool left) const
{
    const Playback &playback = m_context.playback;
    if (!left || playback.shuffleMode() || playback.jukeMode())
        return PartyCommand::OpenAlbum;
    if (playback.collMode())
        return PartyCommand::EditCollection;
    // Normal Play: with autoplay on, opening an album starts it.
    return playback.autoplay() ? PartyCommand::Skip : PartyCommand::OpenAlbum;
}

bool PartyControls::permitLeavingFullScreen()
{
    m_released = permit(PartyCommand::LeaveFullScreen);
    return m_released;
}

bool PartyControls::mayClose()
{
    return m_ending || permit(PartyCommand::CloseWindow);
}

void PartyControls::guard(QWidget *widget, PartyCommand command)
{
    m_guarded.insert(widget, command);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_guarded.remove(widget); });
}

void PartyControls::setPartyMode(bool on)
{
    QString error;
    if (!m_party.setOn(on, &error))
        m_context.prompter.message(tr("Party mode stays as it was: %1 could not be written (%2).")
                                       .arg(PartySettings::fileName(), error));
    apply();
    m_context.playback.partyChanged();
    Q_EMIT badgesChanged();
}

void PartyControls::openLockDialog()
{
    if (!m_lockDialog) {
        m_lockDialog = new LockDialog(m_window);
        m_lockDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_lockDialog, &LockDialog::lockWanted, this, &PartyControls::lockWith);
    }
    GuestRules rules = m_party.guests();
    if (!m_party.isLocked() && m_party.settings().pin.isNull())
        rules.maxVolume = m_context.player.volume(); // guests may not go louder than the host left it
    m_lockDialog->setRules(rules);
    m_lockDialog->setPins({}, {});
    m_lockDialog->open();
}

void PartyControls::lockWith(const QString &pin, const GuestRules &rules)
{
    QString error;
    if (!m_party.lockWith(pin, rules, &error)) {
        m_context.prompter.message(tr("The jukebox is not locked: %1 could not be written (%2).")
                                       .arg(PartySettings::fileName(), error));
        return;
    }
    apply();
    m_context.playback.partyChanged();
    Q_EMIT badgesChanged();
}

void PartyControls::unlock()
{
    m_guard.unlock();
    apply();
}

void PartyControls::openSkippedAlbums()
{
    if (!m_skipped) {
        m_skipped = new SkippedAlbumsWindow(m_window);
        m_skipped->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_skipped, &SkippedAlbumsWindow::playAgainWanted, this, [this](const QString &id) {
            SkippedAlbums(m_context.catalogue, m_context.songs).playAgain(id);
            showSkipped();
            Q_EMIT badgesChanged();
        });
    }
    showSkipped();
    m_skipped->show();
    m_skipped->raise();
    m_skipped->activateWindow();
}

void PartyControls::showSkipped()
{
    if (m_skipped)
        m_skipped->setAlbums(SkippedAlbums(m_context.catalogue, m_context.songs).list());
}

void PartyControls::apply()
{
    const bool locked = m_party.isLocked();
    m_context.menus.setParty(m_party.isOn(), locked);
    if (locked && !m_filtering) {
        qApp->installEventFilter(this);
        closeWindows();
        m_released = false;
        m_keeper.start();
    } else if (!locked && m_filtering) {
        qApp->removeEventFilter(this);
        m_keeper.stop();
    }
    m_filtering = locked;
    m_admitted.clear();
    if (locked) {
        keepFullScreen();
        MediaPlayer &player = m_context.player;
        if (const int volume = m_party.guests().guestVolume(player.volume()); volume != player.volume())
            player.setVolume(volume);
    }
    Q_EMIT lockChanged(locked);
}

void PartyControls::closeWindows()
{
    // What was open before the lock would be in guests' hands: every other window goes, as Cancel would.
    const auto ours = [this](QWidget *window) {
        while (window && window != m_window)
            window = window->parentWidget();
        return window == m_window;
    };
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top == m_window || top == m_lockDialog || !top->isVisible() || !ours(top))
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(top))
            dialog->reject();
        else
            top->close();
    }
}

void PartyControls::keepFullScreen()
{
    if (!m_party.isLocked() || m_ending)
        return;
    if (m_window->isFullScreen() && !m_window->isMinimized()) {
        m_released = false;
        return;
    }
    // Locked, the jukebox stays full screen and in front unless the PIN let it go.
    if (m_released)
        return;
    qCInfo(lcMainWindow) << "locked: full screen again";
    m_window->showFullScreen();
    m_window->raise();
    m_window->activateWindow();
}

void PartyControls::volumeChanged(int volume)
{
    const int allowed = m_party.guests().guestVolume(volume);
    if (!m_party.isLocked() || volume == allowed || volume == m_allowedVolume) {
        m_allowedVolume = -1;
        return;
    }
    // Back within the guests' volumes at once; the PIN, asked after this event, may let it through.
    m_context.player.setVolume(allowed);
    if (m_askingVolume)
        return;
    m_askingVolume = true;
    QTimer::singleShot(0, this, [this, volume] {
        if (permit(PartyCommand::RaiseVolume)) {
            m_allowedVolume = volume;
            m_context.player.setVolume(volume);
        }
        m_askingVolume = false;
    });
}

bool PartyControls::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        QTimer::singleShot(0, this, &PartyControls::keepFullScreen);
        return false;
    }
    if (!m_filtering)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    while (widget && !m_guarded.contains(widget) && widget != m_window)
        widget = widget->parentWidget();
    if (!widget || !m_guarded.contains(widget))
        return false;
    const PartyCommand command = m_guarded.value(widget);
    if (!m_party.lock().needsPin(command, m_party.guests()))
        return false;
    if (m_admitted == widget) {
        m_admitted.clear();
        return false;
    }
    // Asked after this event: a box inside a press would leave the press half done.
    auto *target = qobject_cast<QWidget *>(watched);
    QTimer::singleShot(
        0, this, [this, command, widget = QPointer<QWidget>(widget), target = QPointer<QWidget>(target)] {
            if (!permit(command) || !widget)
                return;
            if (auto *button = qobject_cast<QAbstractButton *>(target.data()))
                button->click();
            else
                m_admitted = widget; // the next press goes through
        });
    return true;
}

} // namespace lumetra
