#include "heldkey.h"

#include "ui/wall/coverslot.h"
#include "ui/wall/wallview.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace lumetra::bench {

namespace {

// When any cover of the wall was painted, in ms since `clock` started.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QElapsedTimer &clock)
        : m_clock(clock)
    {
    }
    std::vector<double> times;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(m_clock.nsecsElapsed() / 1e6);
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

} // namespace

HeldKey holdPageDown(WallView &wall, int presses, int busyCores)
{
    QElapsedTimer clock;
    PaintWatch paints(clock);
    for (int k = 0; k < wall.slotCount(); ++k)
        wall.slot(k)->cover()->installEventFilter(&paints);
    std::vector<double> flips;
    const auto connection =
        QObject::connect(&wall, &WallView::pageShown, [&] { flips.push_back(clock.nsecsElapsed() / 1e6); });

    std::atomic<bool> stop{false};
    std::vector<std::jthread> busy;
    for (int i = 0; i < busyCores; ++i) {
        busy.emplace_back([&stop] {
            volatile unsigned spin = 0;
            while (!stop.load(std::memory_order_relaxed))
                spin = spin + 1;
        });
    }
    std::atomic<double> releasedMs{-1};
    // Made here, on the window's thread, before the keyboard's thread needs it.
    QInputDevice::primaryKeyboard();
    clock.start();
    std::jthread keyboard([&] {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < presses; ++i) {
            std::this_thread::sleep_until(start + std::chrono::microseconds(i * 1000000 / 30));
            // The first press, then the keyboard's repeats.
            QCoreApplication::postEvent(
                &wall, new QKeyEvent(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier, QString(), i > 0));
        }
        std::this_thread::sleep_until(start + std::chrono::microseconds(presses * 1000000 / 30));
        releasedMs = clock.nsecsElapsed() / 1e6;
        QCoreApplication::postEvent(&wall,
                                    new QKeyEvent(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier));
    });
    QEventLoop loop;
    QTimer poll;
    poll.start(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (releasedMs >= 0 && clock.nsecsElapsed() / 1e6 > releasedMs + 1000)
            loop.quit();
    });
    loop.exec();
    stop = true;
    keyboard.join();
    busy.clear();
    QObject::disconnect(connection);

    HeldKey held;
    held.presses = presses;
    held.flips = static_cast<int>(flips.size());
    const double released = releasedMs;
    double last = 0;
    for (const double at : paints.times) {
        if (at > released)
            break;
        held.longestGapMs = std::max(held.longestGapMs, at - last);
        last = at;
    }
    held.longestGapMs = std::max(held.longestGapMs, released - last);
    held.stopMs = flips.empty() ? 0 : std::max(0.0, flips.back() - released);
    return held;
}

Thumbnails thumbnailsIn(const QString &cacheHome)
{
    Thumbnails found;
    QDirIterator it(cacheHome + QStringLiteral("/thumbnails"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++found.files;
        found.bytes += it.fileInfo().size();
    }
    return found;
}

} // namespace lumetra::bench
