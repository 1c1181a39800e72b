#pragma once

#include "core/appfolder.h"
#include "support/fakebrowser.h"
#include "support/fakes.h"
#include "support/testlibrary.h"
#include "ui/main/mainwindow.h"
#include "ui/wall/wallview.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace lumetra::test {

using namespace Qt::StringLiterals;

inline QString accessibleName(QObject *object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : QString();
}

inline void pointAt(QWidget *widget)
{
    const QPointF local(2, 2);
    QEnterEvent enter(local, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &enter);
}

inline void press(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, {}, QPoint(2, 2));
}

// Waits for the workers to decode the covers of the page shown, and fills them in.
inline bool coversIn(MainWindow &window)
{
    auto *wall = window.findChild<WallView *>();
    for (int turn = 0; turn < 100 && wall->coversAwaited() > 0; ++turn) {
        wall->coverCache().waitForPrefetch();
        QCoreApplication::sendPostedEvents(wall);
    }
    return wall->coversAwaited() == 0;
}

inline QList<TestAlbum> numbered(int count, const QStringList &tracks = {})
{
    QList<TestAlbum> albums;
    for (int i = 0; i < count; ++i)
        albums.append({u"Album %1"_s.arg(i, 3, 10, QLatin1Char('0')), true, tracks});
    return albums;
}

// A generated application folder and the main window, by default on a 1920 × 1080 screen at 96 dpi.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(m_app.prepare(u":/files"_s));
    }
    void TearDown() override
    {
        m_window.reset();
        QDir::setCurrent(m_savedCwd);
    }

    void writeIni(const QByteArray &bytes) { ASSERT_TRUE(writeFile(m_app.file(u"jb.ini"_s), bytes)); }
    MainWindow &start(QSize screen = {1920, 1080})
    {
        m_window = std::make_unique<MainWindow>(
            m_app, Seams{m_player, m_prompter, m_random, m_dialogs, m_shell, FakeBrowser::factory()},
            QRect(QPoint(0, 0), screen));
        m_window->load();
        return *m_window;
    }
    MainWindow &start(const QList<TestAlbum> &albums, QSize screen = {1920, 1080})
    {
        EXPECT_TRUE(writeCatalogue(m_dir.path(), albums));
        return start(screen);
    }
    // Shows the window and makes it the active one, as the desktop would.
    MainWindow &startActive(const QList<TestAlbum> &albums, QSize screen = {1920, 1080})
    {
        start(albums, screen);
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }
    QAction *action(const char *name) const
    {
        auto *found = m_window->findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void trigger(const char *name) { action(name)->trigger(); }
    template <typename T = QWidget> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }

    QString catalogue() const { return m_app.file(u"tracks.lum"_s); }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    AppFolder m_app{m_dir.path()};
    FakePlayer m_player;
    FakePrompter m_prompter;
    ScriptedRandom m_random;
    FakeDialogs m_dialogs;
    FakeShell m_shell;
    std::unique_ptr<MainWindow> m_window;
};

template <typename Param>
class MainWindowTestWith : public MainWindowTest, public ::testing::WithParamInterface<Param>
{
};

} // namespace lumetra::test
