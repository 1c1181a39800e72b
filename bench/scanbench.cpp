#include "scanbench.h"

#include "synthlibrary.h"

#include "core/catalogue.h"
#include "core/recordview.h"
#include "scan/scanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumetra::bench {

namespace {

constexpr int kRuns = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int scanBench()
{
    QTemporaryDir work;
    const QString root = work.filePath(QStringLiteral("Music"));
    QElapsedTimer timer;
    timer.start();
    if (!makeMusicTree(root)) {
        std::fprintf(stderr, "cannot build the tree\n");
        return 1;
    }
    std::fprintf(stderr, "tree of %d albums built in %.1f s\n", kTreeAlbums, timer.elapsed() / 1000.0);

    Catalogue catalogue;
    if (!catalogue.open(work.filePath(QStringLiteral("tracks.lum")))) {
        std::fprintf(stderr, "%s\n", qPrintable(catalogue.errorString()));
        return 1;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    Scanner scanner(catalogue, songs);
    QElapsedTimer sinceTurn;
    qint64 longestGap = 0;
    scanner.setYield([&] {
        longestGap = std::max(longestGap, sinceTurn.elapsed());
        sinceTurn.restart();
        return true;
    });

    auto runFind = [&] {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        find.start(QStringLiteral("find"), {root});
        find.waitForFinished(-1);
        return clock.nsecsElapsed() / 1e9;
    };
    auto runScan = [&] {
        QElapsedTimer clock;
        clock.start();
        sinceTurn.start();
        const Scanner::Result result = scanner.scan(root, Scanner::Layout::Nested);
        longestGap = std::max(longestGap, sinceTurn.elapsed());
        if (!result.ok || result.found.size() != kTreeAlbums)
            std::fprintf(stderr, "scan found %lld albums: %s\n", static_cast<long long>(result.found.size()),
                         qPrintable(result.error));
        return clock.nsecsElapsed() / 1e9;
    };

    runFind(); // warm the cache for both
    runScan();
    longestGap = 0;
    std::vector<double> scans, finds;
    for (int run = 0; run < kRuns; ++run) {
        finds.push_back(runFind());
        scans.push_back(runScan());
    }
    const double scan = median(scans);
    const double floor = median(finds);
    std::printf("scan: %.3fs floor: %.3fs ratio: %.2f (target <= 2.0)\n", scan, floor, scan / floor);
    std::printf("yield: %lldms (target <= 100)\n", static_cast<long long>(longestGap));
    return 0;
}

} // namespace lumetra::bench
