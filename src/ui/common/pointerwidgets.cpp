#include "pointerwidgets.h"

#include "filedrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void PointerLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            Q_EMIT pressed(Qt::LeftButton, mapToGlobal(rect().center()));
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void PointerLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        paintFocusMark(this);
}

void paintFocusMark(QWidget *widget)
{
    QPainter painter(widget);
    const QRect r = widget->rect();
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(r.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(r.adjusted(2, 2, -3, -3));
}

void PointerLabel::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PointerLabel::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT filesDropped(paths);
}

PointerFrame::PointerFrame(QWidget *parent)
    : QFrame(parent)
{
    setMouseTracking(true);
}

void PointerFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PointerFrame::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT filesDropped(paths);
}

void PointerFrame::mouseMoveEvent(QMouseEvent *event)
{
    QFrame::mouseMoveEvent(event);
    Q_EMIT pointed();
}

} // namespace lumetra
