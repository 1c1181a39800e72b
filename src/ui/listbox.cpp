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
    Q_EMIT keyPressed(event->key(), event->modifiers());
    event->accept();
}

} // namespace lumetra
