#include "coverart.h"

#include "albums.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace lumetra::demo {

namespace {

struct Palette {
    QRgb background;
    std::array<QRgb, 4> accents;
};

constexpr std::array<Palette, 16> kPalettes = {{
    {0xf3ead8, {0xe2553f, 0x2f6f8f, 0xf2b134, 0x1f2d3a}},
    {0x0f2430, {0x1f6f78, 0xf4d35e, 0xee964b, 0xf95738}},
    {0xe8e1f2, {0x6b4fa0, 0xf28f8f, 0x3e8e9c, 0x2b2340}},
    {0x17301f, {0x5a8f4e, 0xc9d977, 0xf0e6c0, 0xd9643a}},
    {0xfde8d7, {0xff6f59, 0x254441, 0x43aa8b, 0xb2b09b}},
    {0x2b1533, {0x8e3b74, 0xf5b971, 0xe9e3d5, 0x56a3a6}},
    {0xe3f1f6, {0x1b4965, 0x5fa8d3, 0xff8c61, 0x9fd3ea}},
    {0xf4c04a, {0x1d3557, 0xd6453d, 0xf6f0e0, 0x4a7fa0}},
    {0x3a2e39, {0xf2c4b3, 0xd88c9a, 0x8e7dbe, 0xf1e3d3}},
    {0xdfe3c8, {0x4a6741, 0xc26a3f, 0x2e3b33, 0xe0b04f}},
    {0x06264a, {0x1167b1, 0x2a9df4, 0xd0efff, 0xffb703}},
    {0xecd9c6, {0xc0583a, 0x7a8b5a, 0x3b3a36, 0xe8a54b}},
    {0x141026, {0xff4f79, 0xffb86b, 0x6fd6ff, 0xb39cff}},
    {0xc7d3c0, {0x2d3142, 0xbf4e30, 0xf4f1de, 0x5b8e7d}},
    {0xfff4dc, {0xff9f1c, 0x2ec4b6, 0xe0303f, 0x0d2436}},
    {0x2f3e46, {0xcad2c5, 0xf28482, 0x84a98c, 0xf6bd60}},
}};

double luminance(const QColor &c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

class Cover
{
public:
    Cover(QImage &image, const Palette &palette, Rng &rng)
        : m_p(&image)
        , m_size(image.width())
        , m_palette(palette)
        , m_rng(rng)
    {
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setPen(Qt::NoPen);
    }

    QColor background() const { return QColor::fromRgb(m_palette.background); }
    QColor accent(int i) const
    {
        return QColor::fromRgb(m_palette.accents[static_cast<std::size_t>(((i % 4) + 4) % 4)]);
    }
    QColor randomAccent() { return accent(m_rng.below(4)); }
    double s(double fraction) const { return fraction * m_size; }
    QPainter &painter() { return m_p; }

    void rings();
    void sunset();
    void truchet();
    void hills();
    void bokeh();
    void mosaic();
    void sunburst();
    void blocks();

    void text(const QString &title, const QString &artist, int layout, int typeface);
    void vignette();

private:
    QPainter m_p;
    int m_size;
    const Palette &m_palette;
    Rng &m_rng;
};

void Cover::rings()
{
    m_p.fillRect(0, 0, m_size, m_size, background());
    const QPointF centre(s(m_rng.range(0.3, 0.7)), s(m_rng.range(0.25, 0.55)));
    const int count = 6 + m_rng.below(4);
    const int offset = m_rng.below(4);
    for (int i = count; i >= 1; --i) {
        const double r = s(0.07) * i;
        m_p.setBrush(i % 2 ? accent(i + offset) : background());
        m_p.drawEllipse(centre, r, r);
    }
    for (int i = 0; i < 14; ++i) {
        const double r = s(m_rng.range(0.006, 0.02));
        m_p.setBrush(randomAccent());
        m_p.drawEllipse(QPointF(s(m_rng.uniform()), s(m_rng.uniform())), r, r);
    }
}

void Cover::sunset()
{
    QLinearGradient sky(0, 0, 0, m_size);
    sky.setColorAt(0, accent(3).darker(160));
    sky.setColorAt(0.65, accent(0).lighter(110));
    sky.setColorAt(1, background());
    m_p.fillRect(0, 0, m_size, m_size, sky);

    const QPointF centre(s(m_rng.range(0.35, 0.65)), s(0.5));
    const double r = s(m_rng.range(0.22, 0.3));
    QLinearGradient sun(0, centre.y() - r, 0, centre.y() + r);
    sun.setColorAt(0, accent(2).lighter(115));
    sun.setColorAt(1, accent(1));
    m_p.setBrush(sun);
    m_p.drawEllipse(centre, r, r);
    // Bars of sky across the lower half of the sun, thickening towards the horizon.
    double y = centre.y() + r * 0.05;
    for (int i = 0; i < 7 && y < centre.y() + r; ++i) {
        const double h = s(0.006) + i * s(0.004);
        m_p.fillRect(QRectF(0, y, m_size, h), sky);
        y += h + s(0.03);
    }
    m_p.setBrush(background());
    QPainterPath ground;
    ground.moveTo(0, s(0.72));
    for (int x = 0; x <= 10; ++x)
        ground.lineTo(s(x / 10.0), s(0.72 + 0.03 * std::sin(x * 1.3 + m_rng.uniform())));
    ground.lineTo(m_size, m_size);
    ground.lineTo(0, m_size);
    m_p.drawPath(ground);
}

void Cover::truchet()
{
    m_p.fillRect(0, 0, m_size, m_size, background());
    const int cells = 5 + m_rng.below(3);
    const double cell = static_cast<double>(m_size) / cells;
    const QColor a = accent(m_rng.below(4));
    const QColor b = accent(m_rng.below(4) + 1);
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QRectF box(col * cell, row * cell, cell, cell);
            const bool flip = m_rng.chance(0.5);
            QPen pen((row + col) % 2 ? a : b, cell * 0.22, Qt::SolidLine, Qt::FlatCap);
            m_p.setPen(pen);
            m_p.setBrush(Qt::NoBrush);
            // Two quarter-arcs per tile; at random orientation they join into meandering paths.
            if (flip) {
                m_p.drawArc(QRectF(box.left() - cell / 2, box.top() - cell / 2, cell, cell), 270 * 16,
                            90 * 16);
                m_p.drawArc(QRectF(box.left() + cell / 2, box.top() + cell / 2, cell, cell), 90 * 16,
                            90 * 16);
            } else {
                m_p.drawArc(QRectF(box.left() + cell / 2, box.top() - cell / 2, cell, cell), 180 * 16,
                            90 * 16);
                m_p.drawArc(QRectF(box.left() - cell / 2, box.top() + cell / 2, cell, cell), 0, 90 * 16);
            }
        }
    }
    m_p.setPen(Qt::NoPen);
}

void Cover::hills()
{
    QLinearGradient sky(0, 0, 0, m_size);
    sky.setColorAt(0, background());
    sky.setColorAt(1, background().lighter(125));
    m_p.fillRect(0, 0, m_size, m_size, sky);
    const double moon = s(m_rng.range(0.07, 0.12));
    m_p.setBrush(accent(2));
    m_p.drawEllipse(QPointF(s(m_rng.range(0.2, 0.8)), s(m_rng.range(0.15, 0.3))), moon, moon);

    const int layers = 5;
    for (int i = 0; i < layers; ++i) {
        const double base = 0.4 + i * 0.12;
        const double amp = 0.03 + m_rng.uniform() * 0.05;
        const double freq = m_rng.range(1.5, 4.0);
        const double phase = m_rng.range(0, 6.28);
        QPainterPath path;
        path.moveTo(0, m_size);
        for (int x = 0; x <= 60; ++x) {
            const double fx = x / 60.0;
            path.lineTo(s(fx), s(base + amp * std::sin(fx * freq * 3.14159 + phase)));
        }
        path.lineTo(m_size, m_size);
        path.closeSubpath();
        QColor c = accent(i == 0 ? 3 : i);
        c = c.darker(100 + i * 18);
        m_p.setBrush(c);
        m_p.drawPath(path);
    }
}

void Cover::bokeh()
{
    QLinearGradient bg(0, 0, m_size, m_size);
    bg.setColorAt(0, background());
    bg.setColorAt(1, background().darker(140));
    m_p.fillRect(0, 0, m_size, m_size, bg);
    for (int i = 0; i < 42; ++i) {
        const QPointF c(s(m_rng.uniform()), s(m_rng.uniform()));
        const double r = s(m_rng.range(0.03, 0.16));
        QColor inner = randomAccent();
        inner.setAlphaF(static_cast<float>(m_rng.range(0.25, 0.6)));
        QColor outer = inner;
        outer.setAlphaF(0.05f);
        QRadialGradient g(c, r);
        g.setColorAt(0, inner);
        g.setColorAt(0.85, inner);
        g.setColorAt(1, outer);
        m_p.setBrush(g);
        m_p.drawEllipse(c, r, r);
    }
}

void Cover::mosaic()
{
    const int cells = 6;
    const double cell = static_cast<double>(m_size) / cells;
    const QPointF light(s(m_rng.uniform()), 0);
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QPointF a(col * cell, row * cell), b((col + 1) * cell, row * cell);
            const QPointF c((col + 1) * cell, (row + 1) * cell), d(col * cell, (row + 1) * cell);
            const bool diagonal = m_rng.chance(0.5);
            const QPolygonF first = diagonal ? QPolygonF({a, b, c}) : QPolygonF({a, b, d});
            const QPolygonF second = diagonal ? QPolygonF({a, c, d}) : QPolygonF({b, c, d});
            for (const QPolygonF &triangle : {first, second}) {
                // Tiles nearer the light are paler, giving the flat mosaic a sense of depth.
                const QPointF mid = triangle.boundingRect().center();
                const double distance = std::hypot(mid.x() - light.x(), mid.y() - light.y()) / m_size;
                QColor colour = m_rng.chance(0.35) ? background() : randomAccent();
                colour = colour.lighter(static_cast<int>(125 - 35 * distance));
                m_p.setBrush(colour);
                m_p.setPen(QPen(colour, 1));
                m_p.drawPolygon(triangle);
            }
        }
    }
    m_p.setPen(Qt::NoPen);
}

void Cover::sunburst()
{
    m_p.fillRect(0, 0, m_size, m_size, background());
    const QPointF centre(s(m_rng.range(0.3, 0.7)), s(m_rng.range(0.6, 0.9)));
    const int rays = 18 + 2 * m_rng.below(6);
    const double far = s(2.0);
    const QColor ray = accent(m_rng.below(4));
    for (int i = 0; i < rays; i += 2) {
        const double a0 = 2 * 3.14159265 * i / rays;
        const double a1 = 2 * 3.14159265 * (i + 1) / rays;
        QPolygonF wedge({centre, centre + QPointF(far * std::cos(a0), far * std::sin(a0)),
                         centre + QPointF(far * std::cos(a1), far * std::sin(a1))});
        m_p.setBrush(ray);
        m_p.drawPolygon(wedge);
    }
    const double r = s(0.16);
    m_p.setBrush(background());
    m_p.drawEllipse(centre, r * 1.25, r * 1.25);
    m_p.setBrush(accent(m_rng.below(4) + 1));
    m_p.drawEllipse(centre, r, r);
}

void Cover::blocks()
{
    m_p.fillRect(0, 0, m_size, m_size, background());
    const int cells = 3;
    const double cell = static_cast<double>(m_size) / cells;
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QRectF box(col * cell, row * cell, cell, cell);
            const QColor fill = randomAccent();
            const int rotation = 90 * m_rng.below(4);
            m_p.setBrush(fill);
            switch (m_rng.below(5)) {
            case 0: // half disc
                m_p.drawPie(box.adjusted(0, cell / 2, 0, cell / 2), rotation * 16, 180 * 16);
                break;
            case 1: { // quarter disc from a corner
                const QPointF corner = rotation == 0     ? box.bottomLeft()
                                       : rotation == 90  ? box.bottomRight()
                                       : rotation == 180 ? box.topRight()
                                                         : box.topLeft();
                QRectF around(corner.x() - cell, corner.y() - cell, 2 * cell, 2 * cell);
                m_p.setClipRect(box);
                m_p.drawEllipse(around);
                m_p.setClipping(false);
                break;
            }
            case 2: // disc
                m_p.drawEllipse(box.adjusted(cell * 0.12, cell * 0.12, -cell * 0.12, -cell * 0.12));
                break;
            case 3: // filled square with a disc cut out
                m_p.drawRect(box);
                m_p.setBrush(randomAccent());
                m_p.drawEllipse(box.center(), cell * 0.22, cell * 0.22);
                break;
            default: // stripes
                for (int i = 0; i < 4; ++i)
                    m_p.drawRect(QRectF(box.left(), box.top() + i * cell / 4, cell, cell / 8));
                break;
            }
        }
    }
}

void Cover::vignette()
{
    QRadialGradient g(QPointF(m_size / 2.0, m_size / 2.0), m_size * 0.75);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, 90));
    m_p.fillRect(0, 0, m_size, m_size, g);
}

void Cover::text(const QString &title, const QString &artist, int layout, int typeface)
{
    const double margin = s(0.06);
    QColor plate;
    QRectF area;
    switch (layout) {
    case 0: // band across the bottom
        area = QRectF(0, s(0.7), m_size, s(0.3));
        plate = accent(3);
        break;
    case 1: // card in the upper left
        area = QRectF(s(0.06), s(0.06), s(0.62), s(0.34));
        plate = background();
        break;
    default: // no plate, text on the art under a soft shade
        area = QRectF(0, 0, m_size, s(0.42));
        plate = QColor(0, 0, 0, 0);
        break;
    }
    if (plate.alpha() > 0) {
        plate.setAlpha(layout == 0 ? 235 : 245);
        m_p.fillRect(area, plate);
    } else {
        QLinearGradient shade(0, 0, 0, area.bottom());
        shade.setColorAt(0, QColor(0, 0, 0, 200));
        shade.setColorAt(0.7, QColor(0, 0, 0, 150));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        m_p.fillRect(area, shade);
    }

    const QColor underneath = plate.alpha() > 0 ? plate : QColor(20, 20, 20);
    const bool darkText = luminance(underneath) > 0.55;
    const QColor ink = darkText ? QColor(24, 24, 28) : QColor(250, 248, 242);
    QColor soft = ink;
    soft.setAlphaF(plate.alpha() > 0 ? 0.78f : 0.92f);

    const QRectF inner = area.adjusted(margin * (layout == 1 ? 0.5 : 1), margin * 0.6,
                                       -margin * (layout == 1 ? 0.5 : 1), -margin * 0.6);
    QFont artistFont(QStringLiteral("DejaVu Sans"));
    artistFont.setPixelSize(static_cast<int>(s(0.032)));
    artistFont.setLetterSpacing(QFont::AbsoluteSpacing, s(0.004));
    artistFont.setCapitalization(QFont::AllUppercase);
    const double artistHeight = QFontMetricsF(artistFont).height();

    // The largest title size that fits the space left above the artist line in at most three lines.
    QFont titleFont(typeface == 1 ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    if (typeface == 2)
        titleFont.setStretch(QFont::Condensed);
    titleFont.setBold(true);
    QRectF titleBox(inner.left(), inner.top(), inner.width(), inner.height() - artistHeight * 1.6);
    QRectF used;
    for (int px = static_cast<int>(s(0.085)); px >= 12; px -= 2) {
        titleFont.setPixelSize(px);
        const QFontMetricsF fm(titleFont);
        used = fm.boundingRect(titleBox, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignBottom, title);
        if (used.width() <= titleBox.width() && used.height() <= titleBox.height() &&
            used.height() <= fm.lineSpacing() * 3.2)
            break;
    }
    const QRectF artistBox(inner.left(), titleBox.bottom() + artistHeight * 0.45, inner.width(),
                           artistHeight);
    if (plate.alpha() == 0) {
        // Without a plate the art may be light under the text; a drop shadow keeps it readable.
        const QPointF offset(s(0.003), s(0.003));
        m_p.setPen(QColor(0, 0, 0, 150));
        m_p.setFont(titleFont);
        m_p.drawText(titleBox.translated(offset), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignBottom, title);
        m_p.setFont(artistFont);
        m_p.drawText(artistBox.translated(offset), Qt::AlignLeft | Qt::AlignTop, artist);
    }
    m_p.setPen(ink);
    m_p.setFont(titleFont);
    m_p.drawText(titleBox, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignBottom, title);

    m_p.setPen(soft);
    m_p.setFont(artistFont);
    m_p.drawText(artistBox, Qt::AlignLeft | Qt::AlignTop, artist);

    if (layout == 1) {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(accent(0));
        m_p.drawRect(QRectF(area.left(), area.bottom() - s(0.012), area.width() * 0.3, s(0.012)));
    }
    m_p.setPen(Qt::NoPen);
}

} // namespace

QImage paintCover(const QString &title, const QString &artist, int variant, std::uint64_t seed, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    Rng rng(seed ^ 0xC0FFEEULL);
    const Palette &palette = kPalettes[static_cast<std::size_t>((variant * 5 + 3 + variant / 16) % 16)];
    {
        Cover cover(image, palette, rng);
        switch (variant % 8) {
        case 0:
            cover.rings();
            break;
        case 1:
            cover.mosaic();
            break;
        case 2:
            cover.sunset();
            break;
        case 3:
            cover.truchet();
            break;
        case 4:
            cover.bokeh();
            break;
        case 5:
            cover.hills();
            break;
        case 6:
            cover.blocks();
            break;
        default:
            cover.sunburst();
            break;
        }
        if (luminance(cover.background()) < 0.3)
            cover.vignette();

        cover.text(title, artist, (variant / 2) % 3, (variant / 3) % 3);
    }
    return image;
}

} // namespace lumetra::demo
