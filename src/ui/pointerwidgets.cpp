#include "pointerwidgets.h"

#include <QMouseEvent>

namespace lumetra {

PointerLabel::PointerLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void PointerLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    Q_EMIT pointed();
}

void PointerLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    Q_EMIT pointed();
}

void PointerLabel::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(event->button(), event->globalPosition().toPoint());
    event->accept();
}

PointerFrame::PointerFrame(QWidget *parent)
    : QFrame(parent)
{
    setMouseTracking(true);
}

void PointerFrame::mouseMoveEvent(QMouseEvent *event)
{
    QFrame::mouseMoveEvent(event);
    Q_EMIT pointed();
}

} // namespace lumetra
