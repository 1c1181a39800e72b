#include "pointerwidgets.h"

#include "filedrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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
