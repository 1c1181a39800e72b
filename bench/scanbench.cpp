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
    std::vector<double> scans, finds;
    for (int run = 0; run < runs; ++run) {
        finds.push_back(runMs(QStringLiteral("find"), {root}));
        scans.push_back(runScan());
    }
    printLine("scan", median(scans), median(finds), "ms",
              QStringLiteral("(find over the same tree; target <= 2)"));
    printLine("scan-stall", double(longestGap), 50, "ms",
              QStringLiteral("(longest time without the event loop; floor: the allowed stall)"));
    return 0;
}

} // namespace lumetra::bench
