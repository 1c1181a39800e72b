#include "windowsizer.h"

#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace lumetra {

namespace {
constexpr int kSettleMilliseconds = 200;
} // namespace

WindowSizer::WindowSizer(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_placed(window->size())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &WindowSizer::settled);
    window->installEventFilter(this);
}

void WindowSizer::toggleFullScreen()
{
    if (!m_window->isFullScreen()) {
        m_window->showFullScreen();
        return;
    }
    if (m_leaveGate && !m_leaveGate())
        return;
    // A window that was full screen from the start would come back as large as the screen, leaving the
    // window manager nowhere to put its frame.
    const QRect available = m_window->screen()->availableGeometry();
    const QRect normal = m_window->normalGeometry();
    const bool screenSized = normal.width() >= available.width() || normal.height() >= available.height();
    m_window->showNormal();
    if (screenSized) {
        m_window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, available.size() * 4 / 5, available));
    }
}

bool WindowSizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (m_window->size() != m_placed) {
            m_placed = m_window->size();
            Q_EMIT resized();
            m_settle.start();
        }
        break;
    case QEvent::WindowStateChange:
        Q_EMIT fullScreenChanged(m_window->isFullScreen());
        break;
    case QEvent::KeyPress: {
        // Only keys that no list, box or menu inside the window took get here.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && m_window->isFullScreen()) {
            toggleFullScreen();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace lumetra
