#include "buttons.h"

#include "canvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace art {

namespace {

enum class Icon { None, Next, Prev, Cycle, Sliders };

// Room around the pill for the hover glow, so the glow fades out before the edge.
constexpr qreal Margin = 7;
constexpr qreal IconBox = 24;
constexpr qreal IconGap = 10;

const QColor Accent(0xff, 0xb3, 0x47);

struct Style {
    QColor fillTop, fillBottom, border, ink, iconInk;
};

Style styleFor(bool hi)
{
    if (hi)
        return {QColor(0x5d, 0x63, 0x74), QColor(0x3a, 0x3e, 0x4b), Accent, QColor(0xff, 0xff, 0xff),
                QColor(0xff, 0xc8, 0x6e)};
    return {QColor(0x45, 0x4a, 0x57), QColor(0x2a, 0x2d, 0x36), QColor(0x10, 0x12, 0x17),
            QColor(0xe8, 0xea, 0xf0), QColor(0xc8, 0xcc, 0xd6)};
}

void drawIcon(QPainter &p, Icon icon, QPointF c, const QColor &ink)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen pen(ink, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Next:
    case Icon::Prev: {
        const qreal dir = icon == Icon::Next ? 1 : -1;
        QPainterPath chevron;
        chevron.moveTo(c + QPointF(-4 * dir, -8));
        chevron.lineTo(c + QPointF(4 * dir, 0));
        chevron.lineTo(c + QPointF(-4 * dir, 8));
        p.drawPath(chevron);
        break;
    }
    case Icon::Cycle: {
        // Two chasing arcs: the display cycles through its modes.
        const qreal r = 9;
        pen.setWidthF(3);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
        for (const qreal start : {20.0, 200.0}) {
            const qreal span = 125;
            p.drawArc(ring, int(start * 16), int(span * 16));
            const qreal end = (start + span) * std::numbers::pi / 180;
            const QPointF tip = c + QPointF(std::cos(end), -std::sin(end)) * r;
            const QPointF along(-std::sin(end), -std::cos(end));
            const QPointF across(std::cos(end), -std::sin(end));
            QPolygonF head;
            head << tip + along * 5 << tip + across * 5 - along * 1 << tip - across * 5 - along * 1;
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPolygon(head);
            p.setBrush(Qt::NoBrush);
            p.setPen(pen);
        }
        break;
    }
    case Icon::Sliders: {
        pen.setWidthF(2.4);
        p.setPen(pen);
        constexpr qreal knobs[3] = {-4, 5, -1};
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() + (i - 1) * 8;
            p.drawLine(QPointF(c.x() - 11, y), QPointF(c.x() + 11, y));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(c.x() + knobs[i], c.y() + (i - 1) * 8), 3.6, 3.6);
        break;
    }
    }
    p.restore();
}

QImage drawButton(QSize size, bool hi, const QString &label, Icon icon, bool iconFirst)
{
    const Style style = styleFor(hi);
    const QRectF pill(Margin, Margin, size.width() - 2 * Margin, size.height() - 2 * Margin);
    const qreal radius = pill.height() / 2;
    QPainterPath shape;
    shape.addRoundedRect(pill, radius, radius);

    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Under-glow (hover) or a soft drop shadow (rest) gives the pill an edge on any strip colour.
    QImage halo = transparentImage(size);
    {
        QPainter h(&halo);
        h.setRenderHint(QPainter::Antialiasing);
        if (hi) {
            h.setPen(QPen(Accent, 4));
            h.setBrush(Qt::NoBrush);
            h.drawPath(shape);
        } else {
            h.fillPath(shape.translated(0, 2), QColor(0, 0, 0, 110));
        }
    }
    blur(halo, hi ? 2 : 1);
    fadeEdges(halo, 3);
    p.drawImage(0, 0, halo);

    QLinearGradient fill(0, pill.top(), 0, pill.bottom());
    fill.setColorAt(0, style.fillTop);
    fill.setColorAt(1, style.fillBottom);
    p.fillPath(shape, fill);

    // A faint top rim keeps the pill looking raised where the strip is as dark as its fill.
    QLinearGradient rim(0, pill.top(), 0, pill.center().y());
    rim.setColorAt(0, QColor(255, 255, 255, hi ? 90 : 60));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(rim), 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF inner = pill.adjusted(2.25, 2.25, -2.25, -2.25);
    p.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);

    p.setPen(QPen(style.border, 2));
    p.drawPath(shape);

    // A button without a label keeps its icon at one end: the program writes the caption, translated,
    // beside it (PictureButton).
    if (label.isEmpty()) {
        const qreal inset = pill.height() * 0.3;
        const qreal cx = iconFirst ? pill.left() + inset + IconBox / 2 : pill.right() - inset - IconBox / 2;
        drawIcon(p, icon, QPointF(cx, pill.center().y()), style.iconInk);
        return image;
    }
    const QFont face = font(label.size() == 1 ? 32 : 23, QFont::Bold);
    const QFontMetricsF metrics(face);
    const qreal textWidth = label.isEmpty() ? 0 : metrics.horizontalAdvance(label);
    const qreal iconWidth = icon == Icon::None ? 0 : IconBox;
    const qreal groupWidth = textWidth + iconWidth + (textWidth > 0 && iconWidth > 0 ? IconGap : 0);
    qreal x = pill.center().x() - groupWidth / 2;
    const qreal cy = pill.center().y();

    const auto placeIcon = [&] {
        if (icon == Icon::None)
            return;
        drawIcon(p, icon, QPointF(x + IconBox / 2, cy), style.iconInk);
        x += IconBox + IconGap;
    };
    if (iconFirst)
        placeIcon();
    if (!label.isEmpty()) {
        QPainterPath text;
        text.addText(0, 0, face, label);
        // Centre on the ink itself so a lone "?" sits optically in the middle.
        const QRectF ink = text.boundingRect();
        const qreal dy = label.size() == 1 ? cy - ink.center().y() : cy + metrics.capHeight() / 2;
        text.translate(x - ink.left() + (textWidth - ink.width()) / 2, dy);
        p.fillPath(text, style.ink);
        x += textWidth + IconGap;
    }
    if (!iconFirst)
        placeIcon();
    return image;
}

} // namespace

std::vector<ButtonPicture> buttons()
{
    struct Layout {
        QString name;
        QSize size;
        QString label;
        Icon icon;
        bool iconFirst;
    };
    const Layout layouts[] = {
        {QStringLiteral("next-page"), QSize(150, 60), QString(), Icon::Next, false},
        {QStringLiteral("prev-page"), QSize(150, 60), QString(), Icon::Prev, true},
        {QStringLiteral("mode-menu"), QSize(300, 60), QString(), Icon::Cycle, true},
        {QStringLiteral("options-menu"), QSize(300, 60), QString(), Icon::Sliders, true},
        {QStringLiteral("help"), QSize(60, 60), QStringLiteral("?"), Icon::None, true},
    };
    std::vector<ButtonPicture> out;
    for (const Layout &s : layouts) {
        out.push_back(
            {s.name + QStringLiteral(".png"), drawButton(s.size, false, s.label, s.icon, s.iconFirst)});
        out.push_back(
            {s.name + QStringLiteral("-hi.png"), drawButton(s.size, true, s.label, s.icon, s.iconFirst)});
    }
    return out;
}

} // namespace art
