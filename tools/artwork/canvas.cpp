#include "canvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <vector>

namespace art {

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

namespace {

void blurLine(std::vector<QRgb> &line, std::vector<QRgb> &scratch, int radius)
{
    const int n = int(line.size());
    const int window = 2 * radius + 1;
    const auto at = [&](int i) { return line[std::clamp(i, 0, n - 1)]; };
    int a = 0, r = 0, g = 0, b = 0;
    for (int i = -radius; i <= radius; ++i) {
        const QRgb px = at(i);
        a += qAlpha(px);
        r += qRed(px);
        g += qGreen(px);
        b += qBlue(px);
    }
    const int half = window / 2;
    for (int i = 0; i < n; ++i) {
        scratch[i] =
            qRgba((r + half) / window, (g + half) / window, (b + half) / window, (a + half) / window);
        const QRgb out = at(i - radius);
        const QRgb in = at(i + radius + 1);
        a += qAlpha(in) - qAlpha(out);
        r += qRed(in) - qRed(out);
        g += qGreen(in) - qGreen(out);
        b += qBlue(in) - qBlue(out);
    }
    line.swap(scratch);
}

} // namespace

void blur(QImage &image, int radius, int passes)
{
    if (radius < 1)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();

    std::vector<QRgb> line(w), scratch(w);
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        line.assign(row, row + w);
        for (int p = 0; p < passes; ++p)
            blurLine(line, scratch, radius);
        std::copy(line.begin(), line.end(), row);
    }

    line.resize(h);
    scratch.resize(h);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            line[y] = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
        for (int p = 0; p < passes; ++p)
            blurLine(line, scratch, radius);
        for (int y = 0; y < h; ++y)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = line[y];
    }
}

void fadeEdges(QImage &image, int width)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int dy = std::min(y, image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const int d = std::min({dy, x, image.width() - 1 - x});
            if (d >= width)
                continue;
            const QRgb px = row[x];
            const auto scale = [&](int v) { return v * d / width; };
            row[x] = qRgba(scale(qRed(px)), scale(qGreen(px)), scale(qBlue(px)), scale(qAlpha(px)));
        }
    }
}

void addGrain(QImage &image, int amplitude, quint32 seed)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Random random(seed);
    const int span = 2 * amplitude + 1;
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(random.next() % quint32(span)) - amplitude;
            const QRgb px = row[x];
            const int a = qAlpha(px);
            row[x] = qRgba(std::clamp(qRed(px) + d, 0, a), std::clamp(qGreen(px) + d, 0, a),
                           std::clamp(qBlue(px) + d, 0, a), a);
        }
    }
}

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QPainterPath centredText(const QString &text, const QFont &font, qreal centreX, qreal baseline,
                         qreal letterSpacing)
{
    QPainterPath path;
    if (letterSpacing == 0) {
        path.addText(0, baseline, font, text);
    } else {
        // Spaced capitals look even without kerning, so lay them out one by one.
        const QFontMetricsF metrics(font);
        qreal x = 0;
        for (const QChar c : text) {
            path.addText(x, baseline, font, QString(c));
            x += metrics.horizontalAdvance(c) + letterSpacing;
        }
    }
    const QRectF bounds = path.boundingRect();
    path.translate(centreX - bounds.center().x(), 0);
    return path;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace art
