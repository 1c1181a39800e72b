#include "thumbnailcache.h"

#include "coverloader.h"
#include "thumbnailledger.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <filesystem>
#include <tuple>

namespace lumetra {

namespace {

struct CacheSize {
    int edge;
    const char *folder;
};
constexpr CacheSize kSizes[] = {{128, "normal"}, {256, "large"}, {512, "x-large"}, {1024, "xx-large"}};
constexpr int kSizeCount = static_cast<int>(std::size(kSizes));
// The shared keys know only the modification time and size, which a copy that keeps times (cp -p, rsync -a)
// keeps as well; the time of the file's last change, which nothing sets back, is kept under our own.
const QString kChangedKey = QStringLiteral("X-Lumetra::CTime");

qint64 changedAt(const QFileInfo &file)
{
    return file.metadataChangeTime().toMSecsSinceEpoch();
}

constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// The smallest cache size that holds a picture of `size`; -1 when none does.
int cacheSizeFor(QSize size)
{
    const int edge = std::max(size.width(), size.height());
    for (int k = 0; k < kSizeCount; ++k) {
        if (kSizes[k].edge >= edge)
            return k;
    }
    return -1;
}

QString fileName(const QByteArray &uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

QImage stretched(const QImage &picture, QSize size)
{
    if (picture.isNull() || picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Makes the folder and any missing parent up to `root`, each readable by the user only.
bool makePrivateFolder(const QString &root, const QString &folder)
{
    for (const QString &path : {root, folder}) {
        if (QFileInfo(path).isDir())
            continue;
        if (!QDir().mkpath(path) || !QFile::setPermissions(path, kOwnerOnlyFolder))
            return false;
    }
    return true;
}

} // namespace

ThumbnailCache::ThumbnailCache(QString root, qint64 budget, const QString &ledger)
    : m_root(root.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                  QStringLiteral("/thumbnails")
                            : std::move(root))
    , m_ledger(ThumbnailLedger::forFile(
          ledger.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                 QStringLiteral("/written-thumbnails")
                           : ledger,
          budget))
{
}

bool ThumbnailCache::writable() const
{
    return m_ledger->writable([this] { return makePrivateFolder(m_root, m_root); });
}

QByteArray ThumbnailCache::uriOf(const QString &file)
{
    return QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded();
}

QString ThumbnailCache::thumbnailPath(const QString &file, QSize size) const
{
    const int k = cacheSizeFor(size);
    if (k < 0 || file.isEmpty())
        return {};
    return m_root + u'/' + QLatin1StringView(kSizes[k].folder) + u'/' + fileName(uriOf(file));
}

QImage ThumbnailCache::readThumbnail(const QString &path, int edge, const QByteArray &uri, qint64 mtime,
                                     qint64 bytes, qint64 changed) const
{
    // QImageReader::text() splits keys at their first colon, so the keys are read from the picture.
    QImageReader reader(path, "png");
    // One larger than its size (planted there, perhaps) is not decoded; the picture's own is made anew.
    const QSize stored = reader.size();
    if (stored.width() > edge || stored.height() > edge)
        return {};
    QImage thumbnail = reader.read();
    // A thumbnail of another file (a hash collision) or of an older version of this one is no use.
    if (thumbnail.isNull() || thumbnail.text(QStringLiteral("Thumb::URI")).toUtf8() != uri ||
        thumbnail.text(QStringLiteral("Thumb::MTime")) != QString::number(mtime))
        return {};
    const QString size = thumbnail.text(QStringLiteral("Thumb::Size"));
    if (!size.isEmpty() && size != QString::number(bytes))
        return {};
    const QString ours = thumbnail.text(kChangedKey);
    if (!ours.isEmpty() && ours != QString::number(changed))
        return {};
    return thumbnail;
}

// Decodes the picture at the size of its thumbnail and writes that, whole, readable by the user only.
QImage ThumbnailCache::decodeAndWrite(QImageReader &reader, int cacheSize, const QString &file) const
{
    auto stamp = [&file] {
        const QFileInfo info(file);
        return std::tuple(info.lastModified().toSecsSinceEpoch(), info.size(), changedAt(info));
    };
    const auto [mtime, bytes, changed] = stamp();
    const int edge = kSizes[cacheSize].edge;
    const QSize thumbnailSize = reader.size().scaled(edge, edge, Qt::KeepAspectRatio);
    reader.setScaledSize(thumbnailSize);
    QImage thumbnail = stretched(reader.read(), thumbnailSize);
    const QString folder = m_root + u'/' + QLatin1StringView(kSizes[cacheSize].folder);
    // A file rewritten while it was read would get a thumbnail of the old picture under the new time.
    if (thumbnail.isNull() || stamp() != std::tuple(mtime, bytes, changed))
        return thumbnail;
    const QByteArray uri = uriOf(file);
    const QString name = fileName(uri);
    QTemporaryFile temporary(folder + u'/' + name + QStringLiteral(".XXXXXX"));
    if (!makePrivateFolder(m_root, folder) || !temporary.open()) {
        m_ledger->setUnwritable();
        return thumbnail;
    }
    QImageWriter writer(&temporary, "png");
    // Qt spreads zlib's levels 0-9 over 0-100: this is level 1, which saves most of the size at a fifth of
    // the default's time; thumbnails are written while pages flip.
    writer.setCompression(11);
    // QImageWriter::setText() would cut the keys at their first colon; the picture's own text is kept whole.
    QImage tagged = thumbnail;
    tagged.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(uri));
    tagged.setText(QStringLiteral("Thumb::MTime"), QString::number(mtime));
    tagged.setText(QStringLiteral("Thumb::Size"), QString::number(bytes));
    tagged.setText(kChangedKey, QString::number(changed));
    tagged.setText(QStringLiteral("Software"), ThumbnailLedger::software());
    if (!writer.write(tagged) || !temporary.flush()) {
        m_ledger->setUnwritable(); // a full disk: no more thumbnails this run
        return thumbnail;
    }
    const qint64 written = temporary.size();
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(folder + u'/' + name).toStdString(), error);
    if (!error) {
        temporary.setAutoRemove(false);
        m_ledger->add(folder + u'/' + name, written);
    }
    return thumbnail;
}

void ThumbnailCache::write(const Unwritten &thumbnail) const
{
    if (thumbnail.cacheSize < 0 || thumbnail.cacheSize >= kSizeCount || !writable())
        return;
    QImageReader reader(thumbnail.file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && qint64(full.width()) * full.height() <= kMaxCoverPixels)
        decodeAndWrite(reader, thumbnail.cacheSize, thumbnail.file);
}

QImage ThumbnailCache::load(const QString &file, QSize size, Unwritten *unwritten) const
{
    if (file.isEmpty() || size.isEmpty())
        return {};
    const int k = cacheSizeFor(size);
    const QFileInfo info(file);
    if (k < 0 || !info.isFile())
        return loadCover(file, size);
    const QByteArray uri = uriOf(file);
    const qint64 mtime = info.lastModified().toSecsSinceEpoch();
    const qint64 bytes = info.size();
    const QString name = fileName(uri);
    for (int larger = k; larger < kSizeCount; ++larger) {
        const QImage thumbnail =
            readThumbnail(m_root + u'/' + QLatin1StringView(kSizes[larger].folder) + u'/' + name,
                          kSizes[larger].edge, uri, mtime, bytes, changedAt(info));
        if (!thumbnail.isNull())
            return stretched(thumbnail, size);
    }

    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || qint64(full.width()) * full.height() > kMaxCoverPixels)
        return {};
    const int edge = kSizes[k].edge;
    const bool worthCaching = full.width() > edge || full.height() > edge;
    if (unwritten || !worthCaching || !writable()) {
        if (unwritten && worthCaching && writable())
            *unwritten = {file, k};
        reader.setScaledSize(size);
        return stretched(reader.read(), size);
    }
    return stretched(decodeAndWrite(reader, k, file), size);
}

} // namespace lumetra
