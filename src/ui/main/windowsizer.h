#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

#include <functional>

class QWidget;

namespace lumetra {

// Full screen and the size of a top-level window: toggles full screen through the window manager, leaves it
// on an Escape that nothing inside the window took, and reports a new size at once and again once it has
// stayed put for a moment.
class WindowSizer : public QObject
{
    Q_OBJECT
public:
    explicit WindowSizer(QWidget *window);

    // Full screen, or back to an ordinary window that is smaller than the screen.
    void toggleFullScreen();
    // Asked before full screen is left; false keeps it (the party lock).
    void setLeaveGate(std::function<bool()> gate) { m_leaveGate = std::move(gate); }
    // The size last reported; a resize to it reports nothing.
    void setPlacedSize(QSize size) { m_placed = size; }

Q_SIGNALS:
    void resized();
    void settled();
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QSize m_placed;
    QTimer m_settle;
    std::function<bool()> m_leaveGate;
};

} // namespace lumetra
