#include "coverthumbnails.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#include <filesystem>

namespace lumetra {

namespace {
constexpr int kQuality = 80;

// The name of a thumbnail: the picture's path, its size and modification time, and the thumbnail's size.
QByteArray keyOf(const QFileInfo &info, int size)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QFile::encodeName(info.absoluteFilePath()));
    hash.addData(QByteArray::number(info.size()) + '\n');
    hash.addData(QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n');
    hash.addData(QByteArray::number(size));
    // Earlier thumbnails kept the picture's path in their metadata: they are not used.
    hash.addData("\nplain");
    return hash.result().toHex();
}
} // namespace

CoverThumbnails::CoverThumbnails(QString root, ThumbnailCache desktop)
    : m_root(std::move(root))
    , m_desktop(std::move(desktop))
{
}

QString CoverThumbnails::fileFor(const QString &picture, int size) const
{
    const QFileInfo info(picture);
    if (!info.isFile())
        return {};
    return QStringLiteral("%1/%2/%3.jpg").arg(m_root).arg(size).arg(QString::fromLatin1(keyOf(info, size)));
}

std::optional<CoverThumbnails::Thumbnail> CoverThumbnails::thumbnail(const QString &picture, int size,
                                                                     const QByteArray &clientEtag) const
{
    const QFileInfo info(picture);
    if (!info.isFile())
        return std::nullopt;
    const QByteArray key = keyOf(info, size);
    Thumbnail thumbnail{'"' + key + '"', {}};
    if (clientEtag == thumbnail.etag)
        return thumbnail;

    const QString folder = QStringLiteral("%1/%2").arg(m_root).arg(size);
    const QString file = folder + QLatin1Char('/') + QString::fromLatin1(key) + QStringLiteral(".jpg");
    // A link planted in the cache is neither read nor written through.
    QFile cached(file);
    if (!QFileInfo(file).isSymLink() && cached.open(QIODevice::ReadOnly)) {
        thumbnail.jpeg = cached.readAll();
        if (!thumbnail.jpeg.isEmpty())
            return thumbnail;
    }

    const QImage image = m_desktop.load(picture, QSize(size, size));
    if (image.isNull())
        return std::nullopt;
    QBuffer buffer(&thumbnail.jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kQuality);
    // Only the pixels go to a phone: the desktop's thumbnail carries the picture's path, time and size as
    // text, which the writer would keep as comments, and a colour profile is more than a phone needs.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(QImage(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), rgb.format())))
        return std::nullopt;
    // Written whole, renamed over whatever has the name; a cache that cannot be written only costs the next
    // request a decode.
    QTemporaryFile out(file + QStringLiteral(".XXXXXX"));
    if (QDir().mkpath(folder) && out.open() && out.write(thumbnail.jpeg) == thumbnail.jpeg.size() &&
        out.flush()) {
        std::error_code failed; // a temporary file a failed rename leaves goes with `out`
        std::filesystem::rename(QFile::encodeName(out.fileName()).toStdString(),
                                QFile::encodeName(file).toStdString(), failed);
    }
    return thumbnail;
}

} // namespace lumetra
