#include "searchbench.h"

#include "synthlibrary.h"

#include "ui/windows/searchwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace lumetra::bench {

namespace {

// Paints whatever a window has waiting to be painted, now.
void paintNow(QWidget &window)
{
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest gap between turns of the event loop while it runs, measured by a timer that asks for a turn
// every millisecond; and how much of that gap the window's thread spent working, the rest being the
// machine giving its cores to others.
class StallMeter
{
public:
    StallMeter()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { turn(); });
    }
    void start()
    {
        m_longest = m_longestWork = 0;
        m_since.start();
        m_cpu = threadCpuMs();
        m_tick.start();
    }
    struct Stall {
        double ms;
        double workMs;
    };
    Stall stop()
    {
        turn();
        m_tick.stop();
        return {m_longest, m_longestWork};
    }

private:
    void turn()
    {
        const double gap = m_since.nsecsElapsed() / 1e6;
        const double cpu = threadCpuMs();
        if (gap > m_longest) {
            m_longest = gap;
            m_longestWork = cpu - m_cpu;
        }
        m_since.restart();
        m_cpu = cpu;
    }

    QTimer m_tick;
    QElapsedTimer m_since;
    double m_cpu = 0;
    double m_longest = 0;
    double m_longestWork = 0;
};

} // namespace

int searchBench(const Options &options)
{
    QTemporaryDir work;
    const QString base = options.library.isEmpty() ? work.path() : options.library;
    const QString dir = base + QStringLiteral("/tree-%1").arg(options.albums);
    const QString root = dir + QStringLiteral("/Music");
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!makeMusicTree(root, options.albums, &error)) {
        std::fprintf(stderr, "cannot build the tree: %s\n", qPrintable(error));
        return 1;
    }
    std::fprintf(stderr, "tree of %d albums ready in %.1f s\n", options.albums, timer.elapsed() / 1000.0);

    SilentPrompter prompter;
    StallMeter stalls;
    const int runs = options.albums >= 50000 ? 2 : 4;
    // A word in a quarter of the track names, and one in every one: a million results at 100,000 albums.
    for (const QString &needle : {QStringLiteral("mp3"), QStringLiteral("track")}) {
        std::vector<double> opens, openStalls, searches, finds, growths;
        StallMeter::Stall worst{0, 0};
        qsizetype found = 0;
        const QStringList findArguments = {root, QStringLiteral("-iname"), u'*' + needle + u'*'};
        runMs(QStringLiteral("find"), findArguments); // warm the cache
        for (int run = 0; run <= runs; ++run) {
            finds.push_back(runMs(QStringLiteral("find"), findArguments));

            stalls.start();
            QElapsedTimer clock;
            clock.start();
            SearchWindow window(dir + QStringLiteral("/tracks.lum"), prompter,
                                [](const QString &) { return true; }, {Qt::black, Qt::white, QString()});
            window.show();
            paintNow(window);
            opens.push_back(clock.nsecsElapsed() / 1e6);
            QCoreApplication::processEvents();
            openStalls.push_back(stalls.stop().ms);

            auto *text = window.findChild<QLineEdit *>(QStringLiteral("Text3"));
            text->setText(needle);
            QEventLoop loop;
            QObject::connect(&window, &SearchWindow::searchFinished, &loop, &QEventLoop::quit);
            const qint64 before = residentKb();
            stalls.start();
            clock.restart();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(text, &press);
            loop.exec();
            paintNow(window);
            searches.push_back(clock.nsecsElapsed() / 1e6);
            const StallMeter::Stall stall = stalls.stop();
            growths.push_back((residentKb() - before) / 1024.0);
            if (run > 0 && stall.ms > worst.ms) // the first run warms the file cache and the code
                worst = stall;
            found = window.resultCount();
            window.close();
        }
        // The first run warmed the file cache and the code.
        for (auto *figures : {&finds, &opens, &openStalls, &searches, &growths})
            figures->erase(figures->begin());
        std::fprintf(stderr, "%lld results for \"%s\" over %d albums\n", static_cast<long long>(found),
                     qPrintable(needle), options.albums);
        const QString what = QStringLiteral("\"%1\", %2 results").arg(needle).arg(found);
        const QByteArray name = "search-" + needle.toLatin1();
        printLine(name.constData(), median(searches), median(finds), "ms",
                  QStringLiteral("(%1: key press to painted results; floor: find -iname over the same tree)")
                      .arg(what));
        printLine(
            (name + "-stall").constData(), worst.ms, 50, "ms",
            QStringLiteral("(%1: longest wait of the window's event loop while searching, %2 ms of it the "
                           "window's own work; target <= 1)")
                .arg(what)
                .arg(worst.workMs, 0, 'f', 1));
        printLine((name + "-memory").constData(), slowest(growths), 100, "MB",
                  QStringLiteral("(%1: what the window's memory grew by; target <= 1)").arg(what));
        if (needle == QStringLiteral("mp3"))
            printLine("search-open", median(opens), 50, "ms",
                      QStringLiteral("(opening the window to its first paint; longest wait %1 ms)")
                          .arg(slowest(openStalls), 0, 'f', 1));
    }
    return 0;
}

} // namespace lumetra::bench
