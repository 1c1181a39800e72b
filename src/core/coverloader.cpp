#include "coverloader.h"

#include <QImageReader>

namespace lumetra {

QImage loadCover(const QString &path, QSize size)
{
    if (path.isEmpty() || size.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || qint64(full.width()) * full.height() > kMaxCoverPixels)
        return {};
    // The slot is square and the picture is stretched to fill it.
    reader.setScaledSize(size);
    QImage image = reader.read();
    if (!image.isNull() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace lumetra
