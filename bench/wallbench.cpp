#include "wallbench.h"

#include "core/appfolder.h"
#include "core/prompter.h"
#include "core/randomsource.h"
#include "playback/qtmediaplayer.h"
#include "synthlibrary.h"
#include "ui/coverslot.h"
#include "ui/mainwindow.h"
#include "ui/pointerwidgets.h"
#include "ui/qtdialogs.h"
#include "ui/qtshell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumetra::bench {

namespace {

constexpr int kLargeLibrary = 10000;
constexpr int kSmallLibrary = 10;
constexpr int kDistinctCovers = 48;
constexpr int kRuns = 5;
const QRect kScreen(0, 0, 1920, 1080);

class SilentPrompter final : public Prompter
{
public:
    Answer message(const QString &text, Buttons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &) override { return std::nullopt; }
};

qint64 peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printRatio(const char *name, double value, double floor, const char *unit, double target)
{
    std::printf("%s: %.1f%s floor: %.1f%s ratio: %.2f (target <= %.1f)\n", name, value, unit, floor, unit,
                value / floor, target);
    std::fflush(stdout);
}

// The window as the program makes it, on a 1920 × 1080 screen, with everything it needs.
struct Program {
    explicit Program(const QString &dir)
        : folder(dir)
    {
        folder.prepare(QStringLiteral(":/files"));
    }
    AppFolder folder;
    QtMediaPlayer player;
    SilentPrompter prompter;
    std::unique_ptr<RandomSource> random = RandomSource::clockSeeded();
    QtDialogs dialogs;
    QtShell shell;
    MainWindow window{folder, Seams{player, prompter, *random, dialogs, shell, BrowserFactory()}, kScreen};
};

// Filling pages of the real window against decoding the same files alone at the same size.
void measurePage(const QString &dir)
{
    Program program(dir);
    MainWindow &window = program.window;
    window.load();

    const int coverPx = window.slot(0)->cover()->width();
    std::vector<double> fill;
    std::vector<double> floor;
    for (int run = 0; run < kRuns + 1; ++run) {
        QStringList files;
        QElapsedTimer timer;
        timer.start();
        window.nextPage();
        const double ms = timer.nsecsElapsed() / 1e6;
        for (const SlotContent &slot : window.wall().page())
            files.append(slot.picture);

        timer.restart();
        for (const QString &file : files) {
            QImageReader reader(file);
            reader.setScaledSize(QSize(coverPx, coverPx));
            reader.read();
        }
        const double floorMs = timer.nsecsElapsed() / 1e6;
        if (run > 0) { // the first run warms the file cache and the decoders
            fill.push_back(ms);
            floor.push_back(floorMs);
        }
    }
    printRatio("page", median(fill), median(floor), "ms", 1.5);
}

struct ChildRun {
    double ms = 0;
    double rssKb = 0;
};

ChildRun startChild(const QString &self, const QString &dir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    child.start(self, {QStringLiteral("wall-child"), dir});
    QByteArray out;
    while (!out.contains('\n') && child.waitForReadyRead(60000))
        out += child.readAllStandardOutput();
    ChildRun run;
    run.ms = timer.nsecsElapsed() / 1e6;
    child.waitForFinished(60000);
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.value(0) != "ready") {
        std::fprintf(stderr, "child on %s failed: %s\n", qPrintable(dir),
                     child.readAllStandardError().constData());
        return {};
    }
    run.rssKb = words.value(1).toDouble();
    return run;
}

} // namespace

int wallChild(int argc, char *argv[], const QString &dir)
{
    QApplication app(argc, argv);
    Program program(dir);
    program.window.show();
    program.window.load();
    QApplication::processEvents();
    std::printf("ready %lld\n", peakRssKb());
    std::fflush(stdout);
    return 0;
}

int wallBench(const QString &self)
{
    QTemporaryDir root;
    const QString large = root.filePath(QStringLiteral("large"));
    const QString small = root.filePath(QStringLiteral("small"));
    QString error;
    QElapsedTimer timer;
    timer.start();
    if (!makeSynthLibrary(large, kLargeLibrary, kDistinctCovers, &error) ||
        !makeSynthLibrary(small, kSmallLibrary, kDistinctCovers, &error)) {
        std::fprintf(stderr, "cannot build the libraries: %s\n", qPrintable(error));
        return 1;
    }
    std::fprintf(stderr, "libraries of %d and %d albums built in %.1f s\n", kLargeLibrary, kSmallLibrary,
                 timer.elapsed() / 1000.0);

    measurePage(large);

    std::vector<double> largeMs, smallMs, largeRss, smallRss;
    startChild(self, large); // warm the file cache and the dynamic loader
    startChild(self, small);
    for (int run = 0; run < kRuns; ++run) {
        const ChildRun l = startChild(self, large);
        const ChildRun s = startChild(self, small);
        if (l.ms == 0 || s.ms == 0)
            return 1;
        largeMs.push_back(l.ms);
        smallMs.push_back(s.ms);
        largeRss.push_back(l.rssKb / 1024);
        smallRss.push_back(s.rssKb / 1024);
    }
    printRatio("startup", median(largeMs), median(smallMs), "ms", 2.0);
    printRatio("rss", median(largeRss), median(smallRss), "MB", 1.3);
    return 0;
}

} // namespace lumetra::bench
