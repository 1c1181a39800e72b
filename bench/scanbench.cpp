#include "scanbench.h"

#include "synthlibrary.h"

#include "core/catalogue.h"
#include "core/recordview.h"
#include "scan/scanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumetra::bench {

int scanBench(const Options &options)
{
    QTemporaryDir work;
    const QString base = options.library.isEmpty() ? work.path() : options.library;
    const QString root = base + QStringLiteral("/tree-%1/Music").arg(options.albums);
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!makeMusicTree(root, options.albums, &error)) {
        std::fprintf(stderr, "cannot build the tree: %s\n", qPrintable(error));
        return 1;
    }
    std::fprintf(stderr, "tree of %d albums ready in %.1f s\n", options.albums, timer.elapsed() / 1000.0);

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
    auto runScan = [&] {
        QElapsedTimer clock;
        clock.start();
        sinceTurn.start();
        const Scanner::Result result = scanner.scan(root, Scanner::Layout::Nested);
        longestGap = std::max(longestGap, sinceTurn.elapsed());
        if (!result.ok || result.found.size() != options.albums)
            std::fprintf(stderr, "scan found %lld albums: %s\n", static_cast<long long>(result.found.size()),
                         qPrintable(result.error));
        return clock.nsecsElapsed() / 1e6;
    };

    const int runs = options.albums >= 50000 ? 3 : 5;
    runMs(QStringLiteral("find"), {root}); // warm the cache for both
    runScan();
    longestGap = 0;
    std::vector<double> scans, finds, scanUser, findUser, scanCpu, findCpu;
    for (int run = 0; run < runs; ++run) {
        const Cpu findStart = childrenCpu();
        finds.push_back(runMs(QStringLiteral("find"), {root}));
        const Cpu find = childrenCpu() - findStart;
        const Cpu scanStart = ownCpu();
        scans.push_back(runScan());
        const Cpu scan = ownCpu() - scanStart;
        scanUser.push_back(scan.userMs);
        findUser.push_back(find.userMs);
        scanCpu.push_back(scan.userMs + scan.systemMs);
        findCpu.push_back(find.userMs + find.systemMs);
    }
    printLine("scan", median(scans), median(finds), "ms",
              QStringLiteral("(find over the same tree, warm; target <= 1.2)"));
    printLine(
        "scan-cpu", median(scanCpu), median(findCpu), "ms",
        QStringLiteral("(the same in processor time, which a busy machine disturbs less; target <= 1.2)"));
    printLine("scan-user", median(scanUser), median(findUser), "ms",
              QStringLiteral("(of that, the time outside the kernel: listing, records, the catalogue)"));
    printLine("scan-stall", double(longestGap), 50, "ms",
              QStringLiteral("(longest time without the event loop; floor: the allowed stall)"));
    return 0;
}

} // namespace lumetra::bench
