#include "picturebutton.h"

#include "pointerwidgets.h"

#include <QPainter>

#include <algorithm>

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

QFont PictureButton::captionFont() const
{
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(std::max(1, qRound(kCaptionSize * height())));
    face.setBold(true);
    return face;
}

int PictureButton::widthFor(int shownHeight) const
{
    const int ends = qRound((kIconEnd + kPlainEnd) * shownHeight);
    QFont face = captionFont();
    face.setPixelSize(std::max(1, qRound(kCaptionSize * shownHeight)));
    return ends + QFontMetrics(face).horizontalAdvance(m_caption) + qRound(0.2 * shownHeight);
}

void PictureButton::setCaption(const QString &caption, Qt::Edge iconAt)
{
    m_caption = caption;
    m_iconAt = iconAt;
    setToolTip(toolTip().isEmpty() ? caption : toolTip());
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
    if (m_caption.isEmpty() || picture.isNull()) {
        painter.drawPixmap(rect(), picture);
    } else {
        // The pill's ends keep their shape at any width; its plain middle stretches under the caption.
        const qreal scale = qreal(height()) / picture.height();
        const int iconEnd = qRound(kIconEnd * picture.height()),
                  plainEnd = qRound(kPlainEnd * picture.height());
        const int left = m_iconAt == Qt::LeftEdge ? iconEnd : plainEnd;
        const int right = m_iconAt == Qt::LeftEdge ? plainEnd : iconEnd;
        const int leftShown = qRound(left * scale), rightShown = qRound(right * scale);
        painter.drawPixmap(QRect(0, 0, leftShown, height()), picture, QRect(0, 0, left, picture.height()));
        painter.drawPixmap(QRect(leftShown, 0, width() - leftShown - rightShown, height()), picture,
                           QRect(left, 0, picture.width() - left - right, picture.height()));
        painter.drawPixmap(QRect(width() - rightShown, 0, rightShown, height()), picture,
                           QRect(picture.width() - right, 0, right, picture.height()));
        const QRect room = rect().adjusted(leftShown, 0, -rightShown, 0);
        painter.setFont(captionFont());
        painter.setPen(lit ? QColor(0xff, 0xff, 0xff) : QColor(0xe8, 0xea, 0xf0));
        painter.drawText(room, Qt::AlignCenter,
                         painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, room.width()));
    }
    painter.end();
    if (hasFocus())
        paintFocusMark(this);
}

} // namespace lumetra
