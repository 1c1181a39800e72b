#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QString>

namespace art {

QImage transparentImage(QSize size);

// Three box passes approximate a gaussian closely enough for glows and shadows.
void blur(QImage &image, int radius, int passes = 3);

// A glow or shadow must reach zero before the canvas edge or it shows as a faint cut-off line.
void fadeEdges(QImage &image, int width);

// Tiny luminance noise hides gradient banding once the picture is JPEG-compressed.
void addGrain(QImage &image, int amplitude, quint32 seed);

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal);

// Outlines rather than drawText so text can take gradients and glows like any shape.
QPainterPath centredText(const QString &text, const QFont &font, qreal centreX, qreal baseline,
                         qreal letterSpacing = 0);

QColor mix(const QColor &a, const QColor &b, qreal t);

// Own generator so the output never depends on the library's random engine.
class Random
{
public:
    explicit Random(quint32 seed)
        : m_state(seed ? seed : 1u)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    qreal uniform(qreal lo, qreal hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

private:
    quint32 m_state;
};

} // namespace art
