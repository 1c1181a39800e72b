#pragma once

// The real window over the real sound engine, on generated music files: what the end-to-end tests share.
#include "core/appfolder.h"
#include "listening.h"
#include "playback/soundplayer.h"
#include "support/fakebrowser.h"
#include "support/fakes.h"
#include "support/testlibrary.h"
#include "synth.h"
#include "ui/main/mainwindow.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/listbox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lumetra::test {

// Runs the event loop without sleeping between turns: each skip of a broken file is a chain of queued steps.
inline bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

inline void clickAt(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(pos);
    QMouseEvent down(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, widget->mapToGlobal(local), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

// A sine at a third of full scale, `seconds` long.
inline demo::Audio tone(double hz, double seconds = 0.3)
{
    return demo::sine(hz, 0, static_cast<qint64>(demo::Audio::kSampleRate * seconds), 0.3f);
}

class RealWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(m_app.prepare(QStringLiteral(":/files")));
    }
    void TearDown() override
    {
        m_window.reset();
        m_player.reset();
        QDir::setCurrent(m_savedCwd);
    }

    QString folder(int album) const { return m_dir.filePath(QStringLiteral("Music/album%1/").arg(album)); }

    // Albums of these titles in wall order, without covers; their folders wait for music.
    void writeAlbums(const QStringList &titles)
    {
        QList<TestAlbum> albums;
        for (const QString &title : titles)
            albums.append({title, false});
        ASSERT_TRUE(writeCatalogue(m_dir.path(), albums));
    }

    // The window on a 1920 × 1080 screen over a new sound engine; `flags` are jb.ini's bounce, autoplay and
    // no-wrap switches.
    void showWindow(const char *flags, Loudness *loudness = nullptr)
    {
        ASSERT_TRUE(writeFile(m_app.file(QStringLiteral("jb.ini")),
                              QByteArray("(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n") + flags +
                                  "\r\nDejaVu Sans+9&False\r\n\r\n"));
        m_player = std::make_unique<SoundPlayer>();
        QObject::connect(m_player.get(), &MediaPlayer::loaded,
                         [this] { m_heard.append(m_player->url().section(u'/', -1)); });
        QObject::connect(m_player.get(), &MediaPlayer::playStateChanged, [this](int state) {
            const QString name = m_player->url().section(u'/', -1);
            if (state == MediaPlayer::Playing && (m_started.isEmpty() || m_started.last() != name))
                m_started.append(name);
            if (state == MediaPlayer::MediaEnded)
                ++m_ended;
        });
        m_window = std::make_unique<MainWindow>(
            m_app,
            Seams{*m_player, m_prompter, m_random, m_dialogs, m_shell, FakeBrowser::factory(), loudness},
            QRect(0, 0, 1920, 1080));
        m_window->show();
        m_window->load();
    }

    // A click on the cover of the album of this title.
    void open(const QString &title, Qt::MouseButton button = Qt::LeftButton)
    {
        for (int k = 0; k < m_window->slotCount(); ++k) {
            if (m_window->slot(k)->title() == title)
                clickAt(m_window->slot(k)->cover(), QPoint(5, 5), button);
        }
    }
    void trigger(const char *action) { m_window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    ListBox *list(const char *name) const { return m_window->findChild<ListBox *>(QLatin1String(name)); }
    void clickRow(const char *name, int row)
    {
        ListBox *box = list(name);
        clickAt(box->viewport(), box->visualItemRect(box->item(row)).center());
    }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    AppFolder m_app{m_dir.path()};
    std::unique_ptr<SoundPlayer> m_player;
    FakePrompter m_prompter;
    ScriptedRandom m_random;
    FakeDialogs m_dialogs;
    FakeShell m_shell;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_heard;   // files that loaded, by name
    QStringList m_started; // files the player was asked to play, by name
    int m_ended = 0;
};

} // namespace lumetra::test
