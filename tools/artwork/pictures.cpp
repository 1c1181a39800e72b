#include "pictures.h"

#include "canvas.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace art {

namespace {

constexpr QRgb Amber = 0xffffb347;
constexpr QRgb Coral = 0xffff6f69;
constexpr QRgb Magenta = 0xffd94fc8;
constexpr QRgb Violet = 0xff7b68ff;

void drawVignette(QPainter &p, const QRectF &area, int strength)
{
    QRadialGradient g(area.center(), std::hypot(area.width(), area.height()) * 0.55);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.6, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, strength));
    p.fillRect(area, g);
}

QPainterPath arch(QPointF centre, qreal radius, qreal bottom)
{
    QPainterPath path;
    path.moveTo(centre.x() - radius, bottom);
    path.lineTo(centre.x() - radius, centre.y());
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180, -180);
    path.lineTo(centre.x() + radius, bottom);
    return path;
}

} // namespace

QImage noCover()
{
    const QSize size(400, 400);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Mid-tone slate so the tile separates from both a dark and a light wall.
    QLinearGradient bg(0, 0, 400, 400);
    bg.setColorAt(0, QColor(0x74, 0x7b, 0x88));
    bg.setColorAt(1, QColor(0x48, 0x4e, 0x5a));
    p.fillRect(image.rect(), bg);
    QRadialGradient lift(QPointF(200, 175), 230);
    lift.setColorAt(0, QColor(255, 255, 255, 34));
    lift.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), lift);

    p.setPen(QPen(QColor(255, 255, 255, 46), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(13, 13, 374, 374), 10, 10);

    const QPointF c(200, 178);
    const qreal r = 124;

    QImage shadow = transparentImage(size);
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0, 0, 0, 120));
        s.drawEllipse(c + QPointF(0, 7), r, r);
    }
    blur(shadow, 6);
    p.drawImage(0, 0, shadow);

    QRadialGradient disc(c, r);
    disc.setColorAt(0, QColor(0x26, 0x29, 0x30));
    disc.setColorAt(1, QColor(0x14, 0x16, 0x1b));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, r, r);

    // Grooves: alternating faint rings read as vinyl even when the tile is small.
    p.setBrush(Qt::NoBrush);
    for (qreal gr = 52; gr < r - 4; gr += 3.2) {
        const int alpha = (int(gr) % 2) ? 16 : 9;
        p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
        p.drawEllipse(c, gr, gr);
    }
    p.setPen(QPen(QColor(255, 255, 255, 30), 1.6));
    p.drawEllipse(c, 84.0, 84.0);

    QPainterPath vinyl;
    vinyl.addEllipse(c, r, r);
    QPainterPath label;
    label.addEllipse(c, 46.0, 46.0);
    QConicalGradient sheen(c, 40);
    sheen.setColorAt(0.00, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.07, QColor(255, 255, 255, 46));
    sheen.setColorAt(0.15, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.50, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.57, QColor(255, 255, 255, 30));
    sheen.setColorAt(0.65, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.fillPath(vinyl.subtracted(label), sheen);

    p.setPen(QPen(QColor(255, 255, 255, 40), 1.5));
    p.drawEllipse(c, r, r);

    QLinearGradient labelFill(c.x(), c.y() - 46, c.x(), c.y() + 46);
    labelFill.setColorAt(0, QColor(0xa7, 0xae, 0xbb));
    labelFill.setColorAt(1, QColor(0x7d, 0x85, 0x93));
    p.setPen(Qt::NoPen);
    p.fillPath(label, labelFill);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 38.0, 38.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x52, 0x58, 0x64));
    p.drawEllipse(c, 6.0, 6.0);

    // The caption "No cover" is drawn by the program, in the user's language, in the room left below.

    drawVignette(p, image.rect(), 40);
    p.end();
    addGrain(image, 2, 0x6e6f63u);
    return image;
}

QImage logo()
{
    const QSize size(400, 400);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient bg(QPointF(200, 165), 310);
    bg.setColorAt(0.0, QColor(0x2c, 0x22, 0x52));
    bg.setColorAt(0.5, QColor(0x16, 0x15, 0x32));
    bg.setColorAt(1.0, QColor(0x08, 0x08, 0x12));
    p.fillRect(image.rect(), bg);

    const QPointF centre(200, 150);
    const qreal legBottom = 246;
    const std::array<QRgb, 4> tubes = {Amber, Coral, Magenta, Violet};

    QImage neon = transparentImage(size);
    {
        QPainter n(&neon);
        n.setRenderHint(QPainter::Antialiasing);
        n.setBrush(Qt::NoBrush);
        for (size_t i = 0; i < tubes.size(); ++i) {
            const qreal radius = 116 - 14.0 * qreal(i);
            const QPainterPath tube = arch(centre, radius, legBottom);
            n.setPen(QPen(QColor(tubes[i]), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            n.drawPath(tube);
            n.setPen(QPen(mix(QColor(tubes[i]), Qt::white, 0.6), 2.2, Qt::SolidLine, Qt::RoundCap));
            n.drawPath(tube);
        }

        // Grounds the arch so it reads as a cabinet rather than a rainbow.
        QLinearGradient floor(62, 0, 338, 0);
        floor.setColorAt(0.0, QColor(255, 179, 71, 0));
        floor.setColorAt(0.25, QColor(255, 179, 71, 230));
        floor.setColorAt(0.75, QColor(255, 179, 71, 230));
        floor.setColorAt(1.0, QColor(255, 179, 71, 0));
        n.setPen(QPen(QBrush(floor), 3, Qt::SolidLine, Qt::RoundCap));
        n.drawLine(QPointF(62, legBottom + 10), QPointF(338, legBottom + 10));

        // Mirrored bars read as sound even at thumbnail size.
        constexpr std::array<qreal, 9> levels = {0.30, 0.56, 0.42, 0.82, 1.00, 0.70, 0.88, 0.48, 0.32};
        const qreal barWidth = 8, gap = 6;
        const qreal total = levels.size() * barWidth + (levels.size() - 1) * gap;
        const qreal midY = 178, maxHalf = 44;
        QLinearGradient barFill(0, midY - maxHalf, 0, midY + maxHalf);
        barFill.setColorAt(0.0, QColor(Coral));
        barFill.setColorAt(0.5, QColor(0xff, 0xe0, 0x9a));
        barFill.setColorAt(1.0, QColor(Coral));
        n.setPen(Qt::NoPen);
        n.setBrush(barFill);
        for (size_t i = 0; i < levels.size(); ++i) {
            const qreal x = centre.x() - total / 2 + qreal(i) * (barWidth + gap);
            const qreal half = 6 + (maxHalf - 6) * levels[i];
            n.drawRoundedRect(QRectF(x, midY - half, barWidth, 2 * half), 4, 4);
        }
    }

    QImage wideGlow = neon.copy();
    blur(wideGlow, 16);
    QImage tightGlow = neon.copy();
    blur(tightGlow, 4);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(0, 0, wideGlow);
    p.drawImage(0, 0, wideGlow);
    p.drawImage(0, 0, tightGlow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, neon);

    const QPainterPath word = centredText(QStringLiteral("Lumetra"), font(66, QFont::Bold), 200, 330);
    QImage wordGlow = transparentImage(size);
    {
        QPainter g(&wordGlow);
        g.setRenderHint(QPainter::Antialiasing);
        g.fillPath(word, QColor(255, 150, 90, 150));
    }
    blur(wordGlow, 7);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(0, 0, wordGlow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QLinearGradient wordFill(0, 280, 0, 332);
    wordFill.setColorAt(0, QColor(0xff, 0xff, 0xff));
    wordFill.setColorAt(1, QColor(0xff, 0xdc, 0xb0));
    p.fillPath(word, wordFill);

    const QPainterPath sub = centredText(QStringLiteral("JUKEBOX"), font(17, QFont::Bold), 200, 364, 9);
    p.fillPath(sub, QColor(0xc4, 0xba, 0xf0));
    const QRectF subBounds = sub.boundingRect();
    for (const int side : {-1, 1}) {
        const qreal inner = side < 0 ? subBounds.left() - 14 : subBounds.right() + 14;
        const qreal outer = inner + side * 56;
        QLinearGradient rule(inner, 0, outer, 0);
        rule.setColorAt(0, QColor(0xc4, 0xba, 0xf0, 200));
        rule.setColorAt(1, QColor(0xc4, 0xba, 0xf0, 0));
        p.setPen(QPen(QBrush(rule), 1.5));
        const qreal y = subBounds.center().y();
        p.drawLine(QPointF(inner, y), QPointF(outer, y));
    }

    drawVignette(p, image.rect(), 90);
    p.end();
    addGrain(image, 2, 0x4c756du);
    return image;
}

QImage backdrop()
{
    const QSize size(1920, 1080);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    QLinearGradient base(0, 0, 0, 1080);
    base.setColorAt(0, QColor(0x17, 0x1b, 0x36));
    base.setColorAt(1, QColor(0x09, 0x0a, 0x14));
    p.fillRect(image.rect(), base);

    const auto glow = [&](QPointF at, qreal radius, QColor colour) {
        QRadialGradient g(at, radius);
        g.setColorAt(0, colour);
        colour.setAlpha(0);
        g.setColorAt(1, colour);
        p.fillRect(image.rect(), g);
    };
    glow(QPointF(1450, 260), 950, QColor(0x6a, 0x4c, 0xd8, 80));
    glow(QPointF(260, 960), 820, QColor(0x1f, 0x9a, 0xa8, 52));
    glow(QPointF(960, -120), 700, QColor(0xff, 0xb3, 0x47, 26));

    // Rays and bokeh are soft shapes, so draw them small and let scaling smooth them further.
    const QSize small(480, 270);
    QImage rays = transparentImage(small);
    {
        QPainter r(&rays);
        r.setRenderHint(QPainter::Antialiasing);
        r.setPen(Qt::NoPen);
        const QPointF origin(380, -40);
        Random random(0x7261u);
        for (int i = 0; i < 7; ++i) {
            const qreal angle = 1.72 + i * 0.16 + random.uniform(-0.03, 0.03);
            const qreal spread = random.uniform(0.025, 0.06);
            const qreal reach = 560;
            QPolygonF wedge;
            wedge << origin << origin + QPointF(std::cos(angle - spread), std::sin(angle - spread)) * reach
                  << origin + QPointF(std::cos(angle + spread), std::sin(angle + spread)) * reach;
            QRadialGradient fade(origin, reach);
            fade.setColorAt(0, QColor(255, 236, 210, int(random.uniform(22, 40))));
            fade.setColorAt(1, QColor(255, 236, 210, 0));
            r.setBrush(fade);
            r.drawPolygon(wedge);
        }
    }
    blur(rays, 5);
    p.drawImage(QRect(QPoint(0, 0), size), rays);

    QImage bokeh = transparentImage(size / 2);
    {
        QPainter b(&bokeh);
        b.setRenderHint(QPainter::Antialiasing);
        Random random(0xb0c3u);
        const std::array<QRgb, 4> tints = {Amber, Magenta, Violet, 0xff5fc7d6};
        for (int i = 0; i < 30; ++i) {
            const QPointF at(random.uniform(0, 960), random.uniform(0, 540));
            const qreal radius = random.uniform(10, 60);
            QColor tint(tints[random.next() % tints.size()]);
            tint.setAlpha(int(random.uniform(8, 24)));
            QColor rim = tint;
            rim.setAlpha(std::min(255, tint.alpha() + 16));
            b.setBrush(tint);
            b.setPen(QPen(rim, 1.2));
            b.drawEllipse(at, radius, radius);
        }
    }
    blur(bokeh, 3);
    p.drawImage(QRect(QPoint(0, 0), size), bokeh);

    drawVignette(p, image.rect(), 150);
    p.end();
    addGrain(image, 2, 0x76697374u);
    return image;
}

QImage collectionRow()
{
    const QSize size(488, 114);
    const QRectF band(10, 8, 468, 92);
    const qreal radius = band.height() / 2;
    QPainterPath shape;
    shape.addRoundedRect(band, radius, radius);
    // Concentric with the band's rounded end, so the cyan rim around it looks even.
    const QPointF hub(band.left() + radius, band.center().y());
    const qreal discRadius = 35;

    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QImage shadow = transparentImage(size);
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.fillPath(shape.translated(0, 3), QColor(0, 0, 0, 120));
    }
    blur(shadow, 3);
    fadeEdges(shadow, 4);
    p.drawImage(0, 0, shadow);

    // Cyan only where the disc sits; from the name onwards it is near white for dark bold text.
    QLinearGradient fill(band.left(), 0, band.right(), 0);
    fill.setColorAt(0.00, QColor(0x7c, 0xd9, 0xea));
    fill.setColorAt(0.22, QColor(0xc9, 0xf1, 0xf7));
    fill.setColorAt(0.55, QColor(0xea, 0xfa, 0xfc));
    fill.setColorAt(1.00, QColor(0xff, 0xff, 0xff));
    p.fillPath(shape, fill);

    QLinearGradient shade(0, band.top(), 0, band.bottom());
    shade.setColorAt(0.0, QColor(255, 255, 255, 110));
    shade.setColorAt(0.45, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0x20, 0x60, 0x70, 24));
    p.fillPath(shape, shade);

    p.setBrush(Qt::NoBrush);
    const QRectF inner = band.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient rim(0, inner.top(), 0, inner.center().y());
    rim.setColorAt(0, QColor(255, 255, 255, 200));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(rim), 1.5));
    p.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);
    // A darker edge keeps the light band from melting into a light wall.
    p.setPen(QPen(QColor(0x3f, 0x8f, 0xa0, 190), 2));
    p.drawPath(shape);

    QImage discShadow = transparentImage(size);
    {
        QPainter s(&discShadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0x0a, 0x30, 0x3a, 110));
        s.drawEllipse(hub + QPointF(0, 2.5), discRadius, discRadius);
    }
    blur(discShadow, 2);
    p.drawImage(0, 0, discShadow);

    QRadialGradient vinyl(hub, discRadius);
    vinyl.setColorAt(0, QColor(0x2c, 0x30, 0x38));
    vinyl.setColorAt(1, QColor(0x15, 0x17, 0x1c));
    p.setPen(Qt::NoPen);
    p.setBrush(vinyl);
    p.drawEllipse(hub, discRadius, discRadius);

    p.setBrush(Qt::NoBrush);
    for (qreal r = 17; r < discRadius - 3; r += 3.5) {
        p.setPen(QPen(QColor(255, 255, 255, int(r) % 2 ? 22 : 12), 1));
        p.drawEllipse(hub, r, r);
    }
    QPainterPath record;
    record.addEllipse(hub, discRadius, discRadius);
    QPainterPath centre;
    centre.addEllipse(hub, 13.0, 13.0);
    QConicalGradient sheen(hub, 40);
    sheen.setColorAt(0.00, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.08, QColor(255, 255, 255, 60));
    sheen.setColorAt(0.16, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.50, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.58, QColor(255, 255, 255, 40));
    sheen.setColorAt(0.66, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.fillPath(record.subtracted(centre), sheen);

    QLinearGradient labelFill(hub.x(), hub.y() - 13, hub.x(), hub.y() + 13);
    labelFill.setColorAt(0, QColor(0xff, 0xcf, 0x7a));
    labelFill.setColorAt(1, QColor(Coral));
    p.setPen(Qt::NoPen);
    p.fillPath(centre, labelFill);
    p.setBrush(QColor(0x1a, 0x1c, 0x22));
    p.drawEllipse(hub, 2.6, 2.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1.2));
    p.drawEllipse(hub, discRadius - 0.6, discRadius - 0.6);
    return image;
}

QImage collectionFrame()
{
    const QSize size(550, 454);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, QColor(0x2a, 0x2f, 0x3c));
    base.setColorAt(1, QColor(0x13, 0x15, 0x1c));
    p.fillRect(image.rect(), base);

    const auto glow = [&](QPointF at, qreal radius, QColor colour) {
        QRadialGradient g(at, radius);
        g.setColorAt(0, colour);
        colour.setAlpha(0);
        g.setColorAt(1, colour);
        p.fillRect(image.rect(), g);
    };
    // Lifts the corner where the cover sits; the amber hint ties the panel to the logo.
    glow(QPointF(400, 150), 300, QColor(0x5f, 0xc7, 0xd6, 30));
    glow(QPointF(30, -40), 260, QColor(255, 179, 71, 26));

    // Faint grooves off the lower left: a record motif that stays behind everything.
    QImage grooves = transparentImage(size);
    {
        QPainter g(&grooves);
        g.setRenderHint(QPainter::Antialiasing);
        g.setBrush(Qt::NoBrush);
        const QPointF centre(-120, 560);
        for (qreal r = 180; r < 900; r += 7) {
            g.setPen(QPen(QColor(255, 255, 255, int(r / 7) % 3 ? 7 : 12), 1.4));
            g.drawEllipse(centre, r, r);
        }
    }
    blur(grooves, 1, 1);
    p.drawImage(0, 0, grooves);

    // Deeper floor so the light status lines at the bottom stand out.
    QLinearGradient floor(0, size.height() - 130, 0, size.height());
    floor.setColorAt(0, QColor(0, 0, 0, 0));
    floor.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(image.rect(), floor);

    drawVignette(p, image.rect(), 70);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x08, 0x09, 0x0c), 2));
    p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
    QLinearGradient bevel(0, 0, 0, size.height());
    bevel.setColorAt(0, QColor(255, 255, 255, 46));
    bevel.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(QPen(QBrush(bevel), 1.5));
    p.drawRect(QRectF(3, 3, size.width() - 6, size.height() - 6));
    p.end();
    addGrain(image, 2, 0x636f6cu);
    return image;
}

} // namespace art
