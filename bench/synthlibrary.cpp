#include "synthlibrary.h"

#include "core/catalogue.h"
#include "core/recordview.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

namespace lumetra::bench {

namespace {

const char *const kWords[] = {"Amber",  "Blue",   "Cinder",  "Delta",  "Echo",    "Fable",  "Glass",
                              "Harbor", "Iron",   "Jasmine", "Kite",   "Lantern", "Mirror", "North",
                              "Orchid", "Paper",  "Quartz",  "River",  "Silver",  "Tide",   "Umber",
                              "Velvet", "Willow", "Xylo",    "Yonder", "Zephyr"};

// Photo-like content (gradients, shapes and grain) so JPEG decoding costs what a real cover costs.
QImage coverPicture(int seed)
{
    QRandomGenerator random(static_cast<quint32>(seed) * 7919u + 1u);
    QImage image(1000, 1000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1000, 1000);
    gradient.setColorAt(0, QColor::fromHsv(random.bounded(360), 180, 220));
    gradient.setColorAt(1, QColor::fromHsv(random.bounded(360), 200, 80));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), random.bounded(255), random.bounded(255),
                                         random.bounded(60, 200)));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(random.bounded(1000), random.bounded(1000)), random.bounded(20, 300),
                            random.bounded(20, 300));
    }
    painter.end();
    for (int y = 0; y < 1000; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 1000; ++x) {
            const int grain = int(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// A library is whole once its description is written last; anything else in its folder is made afresh.
bool isWhole(const QString &dir, const QByteArray &description)
{
    QFile marker(dir + QStringLiteral("/library.txt"));
    return marker.open(QIODevice::ReadOnly) && marker.readAll() == description;
}

bool startAfresh(const QString &dir)
{
    QDir folder(dir);
    return (!folder.exists() || folder.removeRecursively()) && QDir().mkpath(dir);
}

bool markWhole(const QString &dir, const QByteArray &description)
{
    QFile marker(dir + QStringLiteral("/library.txt"));
    return marker.open(QIODevice::WriteOnly) && marker.write(description) == description.size();
}

bool touch(const QString &path, const QByteArray &content = {})
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written =
        content.isEmpty() || ::write(fd, content.constData(), content.size()) == content.size();
    return ::close(fd) == 0 && written;
}

} // namespace

bool makeSynthLibrary(const QString &dir, int albums, int distinctCovers, QString *error)
{
    const QByteArray description = QByteArrayLiteral("wall ") + QByteArray::number(albums) + ' ' +
                                   QByteArray::number(distinctCovers) + '\n';
    if (isWhole(dir, description))
        return true;
    if (!startAfresh(dir)) {
        *error = QStringLiteral("cannot make %1").arg(dir);
        return false;
    }
    const QString pictures = dir + QStringLiteral("/pictures");
    QDir().mkpath(pictures);
    for (int i = 0; i < distinctCovers; ++i) {
        const QString file = pictures + QStringLiteral("/%1.jpg").arg(i);
        if (!coverPicture(i).save(file, "JPG", 88)) {
            *error = QStringLiteral("cannot write %1").arg(file);
            return false;
        }
    }

    Catalogue catalogue;
    if (!catalogue.open(dir + QStringLiteral("/tracks.lum"))) {
        *error = catalogue.errorString();
        return false;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    catalogue.beginTransaction();
    constexpr int words = int(std::size(kWords));
    for (int i = 0; i < albums; ++i) {
        const QString title = QStringLiteral("%1 %2 %3")
                                  .arg(QString::fromLatin1(kWords[(i * 7) % words]),
                                       QString::fromLatin1(kWords[(i / words) % words]).toLower())
                                  .arg(i);
        const QString folder = dir + QStringLiteral("/Music/") + title + u'/';
        QDir().mkpath(folder);
        const QByteArray source =
            QFile::encodeName(pictures + QStringLiteral("/%1.jpg").arg(i % distinctCovers));
        const QByteArray link = QFile::encodeName(folder + QStringLiteral("cover.jpg"));
        if (::link(source.constData(), link.constData()) != 0) {
            *error = QStringLiteral("cannot link %1").arg(folder);
            return false;
        }
        songs.addNew();
        songs.setValue(QStringLiteral("Album"), title);
        songs.setValue(QStringLiteral("Path"), folder);
        songs.setValue(QStringLiteral("Picture"), QStringLiteral("cover.jpg"));
        songs.update();
    }
    if (!catalogue.commit()) {
        *error = QStringLiteral("cannot write the catalogue");
        return false;
    }
    return markWhole(dir, description);
}

bool makeMusicTree(const QString &root, int albums, QString *error)
{
    const QString dir = QFileInfo(root).absolutePath();
    const QByteArray description = QByteArrayLiteral("tree ") + QByteArray::number(albums) + '\n';
    if (isWhole(dir, description))
        return true;
    if (!startAfresh(dir)) {
        *error = QStringLiteral("cannot make %1").arg(dir);
        return false;
    }
    constexpr int kAlbumsPerArtist = 5;
    constexpr int kTracksPerAlbum = 10;
    const char *const kinds[] = {".mp3", ".ogg", ".wma", ".m4a"};
    Catalogue catalogue;
    if (!catalogue.open(dir + QStringLiteral("/tracks.lum"))) {
        *error = catalogue.errorString();
        return false;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    catalogue.beginTransaction();
    for (int i = 0; i < albums; ++i) {
        const int artist = i / kAlbumsPerArtist;
        const QString album = QStringLiteral("Album %1 of %2").arg(i % kAlbumsPerArtist).arg(artist);
        const QString folder = QStringLiteral("%1/Artist %2/%3/").arg(root).arg(artist).arg(album);
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot make %1").arg(folder);
            return false;
        }
        for (int t = 0; t < kTracksPerAlbum; ++t) {
            if (!touch(folder + QStringLiteral("%1 Track%2")
                                    .arg(t + 1, 2, 10, QLatin1Char('0'))
                                    .arg(QString::fromLatin1(kinds[(i + t) % 4])))) {
                *error = QStringLiteral("cannot write in %1").arg(folder);
                return false;
            }
        }
        touch(folder + QStringLiteral("folder.jpg"), QByteArray("\xFF\xD8\xFF\xE0 small picture"));
        songs.addNew();
        songs.setValue(QStringLiteral("Album"), QStringLiteral("Artist %1, %2").arg(artist).arg(album));
        songs.setValue(QStringLiteral("Path"), folder);
        songs.setValue(QStringLiteral("Picture"), QStringLiteral("folder.jpg"));
        songs.setValue(QStringLiteral("Artist"), QStringLiteral("Artist %1").arg(artist));
        songs.update();
    }
    if (!catalogue.commit()) {
        *error = QStringLiteral("cannot write the catalogue");
        return false;
    }
    return markWhole(dir, description);
}

} // namespace lumetra::bench
