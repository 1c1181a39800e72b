#include "picturebutton.h"

#include "pointerwidgets.h"

#include <QPainter>

namespace lumetra {

PictureButton::PictureButton(const QString &normalFile, const QString &highlightFile, QWidget *parent)
    : QAbstractButton(parent)
    , m_normal(normalFile)
    , m_highlight(highlightFile)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setHighlighted(bool on)
{
    if (on == m_highlighted)
        return;
    m_highlighted = on;
    update();
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    Q_EMIT pointed();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.35);
    const bool lit = (m_highlighted || hasFocus()) && isEnabled();
    const QPixmap &picture = lit ? m_highlight : m_normal;
    painter.drawPixmap(rect(), picture);
    painter.end();
    if (hasFocus())
        paintFocusMark(this);
}

} // namespace lumetra
