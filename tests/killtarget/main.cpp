// A child for the kill tests: repeats one kind of write between two known versions until it is killed.
#include "core/albumfiles.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/settings.h"
#include "core/staterecord.h"
#include "scan/scanner.h"
#include "versions.h"

#include <QCoreApplication>

#include <cstdio>

using namespace lumetra;
using namespace lumetra::killtest;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString kind = args.value(1); // none: refused below
    const QString dir = args.value(2);
    // The catalogue the "state" and "scan" kinds write, with the table each of them changes.
    Catalogue catalogue;
    RecordView records(catalogue,
                       kind == QStringLiteral("state") ? QStringLiteral("opts") : QStringLiteral("songs"));
    if ((kind == QStringLiteral("state") || kind == QStringLiteral("scan")) &&
        catalogue.open(dir + QStringLiteral("/tracks.lum")))
        records.refresh();
    std::puts("ready");
    std::fflush(stdout);
    for (int n = 0;; n = 1 - n) {
        if (kind == QStringLiteral("settings")) {
            SettingsFile::write(dir + QStringLiteral("/jb.ini"), settingsVersion(n));
        } else if (kind == QStringLiteral("state")) {
            StateRecord::write(catalogue, records, 10 + n, n == 1);
        } else if (kind == QStringLiteral("copy")) {
            AlbumFiles::copyFile(dir + QStringLiteral("/source%1.mp3").arg(n),
                                 dir + QStringLiteral("/Album/track.mp3"));
        } else if (kind == QStringLiteral("scan")) {
            Scanner(catalogue, records).scan(dir + QStringLiteral("/Music%1").arg(n), Scanner::Layout::Flat);
        } else {
            return 2;
        }
    }
}
