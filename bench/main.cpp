#include "scanbench.h"
#include "searchbench.h"
#include "wallbench.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

void usage()
{
    std::puts(
        "usage: lumetra-bench wall        album wall: page fill, start-up and memory against their floors\n"
        "       lumetra-bench scan        folder scanner against find over the same tree\n"
        "       lumetra-bench search      track search against find -iname over the same tree\n"
        "       lumetra-bench wall-child DIR   (internal) start on DIR, report the first page, exit");
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
    if (command == "wall-child" && argc == 3)
        return lumetra::bench::wallChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    if (command == "wall")
        return lumetra::bench::wallBench(QString::fromLocal8Bit(argv[0]));
    if (command == "scan")
        return lumetra::bench::scanBench();
    if (command == "search")
        return lumetra::bench::searchBench();
    usage();
    return 2;
}
