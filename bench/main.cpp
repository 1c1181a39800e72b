#include "loudnessbench.h"
#include "modesbench.h"
#include "remotebench.h"
#include "scanbench.h"
#include "searchbench.h"
#include "soundbench.h"
#include "wallbench.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

void usage()
{
    std::puts(
        "usage: lumetra-bench wall   [--albums N] [--library DIR]   the album wall: pages, flips, start-up, "
        "memory\n"
        "       lumetra-bench scan   [--albums N] [--library DIR]   the folder scanner against find\n"
        "       lumetra-bench search [--albums N] [--library DIR]   the search window against find -iname\n"
        "       lumetra-bench remote [--albums N] [--library DIR]   the phone remote: a page of covers, a "
        "queue\n"
        "                                                           change at 50 pages\n"
        "       lumetra-bench import [--albums N] [--library DIR]   a playlist of N tracks made a "
        "collection\n"
        "       lumetra-bench modes                                 memory over 10,000 track ends through "
        "every\n"
        "                                                           play mode\n"
        "       lumetra-bench sound  [--changes N] [--library DIR]  the background loudness measurement, "
        "album\n"
        "                                                           joins, skips, loudness spread, and the "
        "soak\n"
        "                                                           of N changes of short files (20,000)\n"
        "  N albums (10,000 unless given); generated libraries are kept in DIR/wall-N, DIR/tree-N for the\n"
        "  next run (a temporary folder, removed at the end, unless given). Each figure is printed as\n"
        "  \"name: value floor: value ratio: R\" beside what it is measured against, in the same run.");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        usage();
        return argc < 2 ? 2 : 0;
    }
    const QByteArray command = argv[1];
    if (command == "load-child")
        return lumetra::bench::loadChild();
    if (command == "wall-child" && argc == 3)
        return lumetra::bench::wallChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    lumetra::bench::Options options;
    int changes = 20000;
    for (int i = 2; i < argc; ++i) {
        const QByteArray option = argv[i];
        if (option == "--albums" && i + 1 < argc) {
            bool ok = false;
            options.albums = QByteArray(argv[++i]).toInt(&ok);
            if (!ok || options.albums < 100) {
                std::fprintf(stderr, "--albums needs a number of at least 100\n");
                return 2;
            }
        } else if (option == "--changes" && i + 1 < argc) {
            changes = QByteArray(argv[++i]).toInt();
        } else if (option == "--library" && i + 1 < argc) {
            options.library = QString::fromLocal8Bit(argv[++i]);
        } else {
            usage();
            return 2;
        }
    }
    // GStreamer's list of plugins is kept where the next run finds it, apart from the user's own.
    qputenv("GST_REGISTRY",
            QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                              QStringLiteral("/lumetra-bench-gstreamer-registry.bin")));
    // Thumbnails the benchmark makes stay out of the user's own cache.
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);
    if (command == "wall")
        return lumetra::bench::wallBench(options);
    if (command == "scan")
        return lumetra::bench::scanBench(options);
    if (command == "search")
        return lumetra::bench::searchBench(options);
    if (command == "remote")
        return lumetra::bench::remoteBench(options);
    if (command == "import")
        return lumetra::bench::importBench(options);
    if (command == "modes")
        return lumetra::bench::modesBench();
    if (command == "sound") {
        const int loudness = lumetra::bench::loudnessBench(options);
        return lumetra::bench::soundBench(options, changes) | loudness;
    }
    usage();
    return 2;
}
