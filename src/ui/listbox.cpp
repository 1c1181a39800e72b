#include "listbox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace lumetra {

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(6, 4, 6, 4);
}

void ListBox::setLines(const QStringList &lines, int selected)
{
    const QSignalBlocker block(this);
    bool same = count() == lines.size();
    for (int i = 0; same && i < lines.size(); ++i)
        same = item(i)->text() == lines[i];
    if (!same) {
        clear();
        addItems(lines);
    }
    if (selected >= 0 && selected < count()) {
        setCurrentRow(selected);
        scrollToItem(item(selected));
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const int row = indexAt(event->position().toPoint()).row();
    Q_EMIT pressed(row, event->button());
    event->accept();
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    const int row = indexAt(event->position().toPoint()).row();
    if (event->button() == Qt::LeftButton && row >= 0)
        Q_EMIT rowClicked(row);
    event->accept();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // Moves the highlight as in any list; a click or Enter chooses.
        QListWidget::keyPressEvent(event);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Menu:
        // Left to the window: focus moves, menus close or open.
        event->ignore();
        return;
    default:
        Q_EMIT keyPressed(event->key(), event->modifiers());
        // Enter chooses the highlighted row as a click does.
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0)
            Q_EMIT rowClicked(currentRow());
        event->accept();
    }
}

} // namespace lumetra
