#include "searchbench.h"

#include "search/tracksearch.h"
#include "synthlibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lumetra::bench {

namespace {

constexpr int kRuns = 5;
const QString kNeedle = QStringLiteral("07 Track");

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int searchBench()
{
    QTemporaryDir work;
    const QString root = work.filePath(QStringLiteral("Music"));
    if (!makeMusicTree(root)) {
        std::fprintf(stderr, "cannot build the tree\n");
        return 1;
    }
    // The albums as a scan of this tree records them.
    QStringList paths;
    QStringList titles;
    for (const QString &artist : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString &album : QDir(root + u'/' + artist).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            paths.append(root + u'/' + artist + u'/' + album + u'/');
            titles.append(artist + QStringLiteral(", ") + album);
        }
    }
    TrackSearch search;
    search.setAlbums(paths, titles);

    auto runFind = [&] {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        find.start(QStringLiteral("find"), {root, QStringLiteral("-iname"), u'*' + kNeedle + u'*'});
        find.waitForFinished(-1);
        return clock.nsecsElapsed() / 1e9;
    };
    qsizetype found = 0;
    auto runSearch = [&] {
        QElapsedTimer clock;
        clock.start();
        found = search.find(kNeedle).lines.size();
        return clock.nsecsElapsed() / 1e9;
    };

    runFind(); // warm the cache for both
    runSearch();
    std::vector<double> searches, finds;
    for (int run = 0; run < kRuns; ++run) {
        finds.push_back(runFind());
        searches.push_back(runSearch());
    }
    std::fprintf(stderr, "%lld results for \"%s\" over %lld albums\n", static_cast<long long>(found),
                 qPrintable(kNeedle), static_cast<long long>(paths.size()));
    const double value = median(searches);
    const double floor = median(finds);
    std::printf("search: %.3fs floor: %.3fs ratio: %.2f (target <= 2.0)\n", value, floor, value / floor);
    return 0;
}

} // namespace lumetra::bench
