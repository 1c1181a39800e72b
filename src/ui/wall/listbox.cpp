#include "listbox.h"

#include "ui/common/widgethelpers.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

namespace lumetra {

namespace {

// `text` dimmed towards `back`, half way at most, as far as it stays readable as small text (4.5:1).
QColor readableDim(const QColor &text, const QColor &back)
{
    constexpr double kReadable = 4.5;
    constexpr int kSteps = 10;
    QColor dim = text;
    for (int step = 1; step <= kSteps; ++step) {
        const double t = 0.5 * step / kSteps;
        const QColor next = QColor::fromRgbF(float(text.redF() + (back.redF() - text.redF()) * t),
                                             float(text.greenF() + (back.greenF() - text.greenF()) * t),
                                             float(text.blueF() + (back.blueF() - text.blueF()) * t));
        if (contrastRatio(next, back) < kReadable)
            break;
        dim = next;
    }
    return dim;
}

} // namespace

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A line too long for the list ends with an ellipsis rather than scrolling it sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(6, 4, 6, 4);
}

void ListBox::setLines(const QStringList &lines, int selected)
{
    m_lines = lines;
    render(selected);
}

void ListBox::setTrailingLine(const QString &text, const QString &picture)
{
    if (text == m_trailing && picture == m_trailingPicture)
        return;
    m_trailing = text;
    m_trailingPicture = picture;
    render(currentRow() < m_lines.size() ? currentRow() : -1);
}

int ListBox::trailingRow() const
{
    return m_trailing.isEmpty() ? -1 : static_cast<int>(m_lines.size());
}

void ListBox::render(int selected)
{
    const QSignalBlocker block(this);
    const int rows = static_cast<int>(m_lines.size()) + (m_trailing.isEmpty() ? 0 : 1);
    bool same = count() == rows;
    for (int i = 0; same && i < m_lines.size(); ++i)
        same = item(i)->text() == m_lines[i];
    same = same && (m_trailing.isEmpty() || (item(rows - 1)->text() == m_trailing &&
                                             item(rows - 1)->data(Qt::UserRole) == m_trailingPicture));
    if (!same) {
        clear();
        addItems(m_lines);
        if (!m_trailing.isEmpty()) {
            auto *last = new QListWidgetItem(m_trailing, this);
            last->setFlags(Qt::ItemIsEnabled);
            last->setData(Qt::UserRole, m_trailingPicture);
            last->setForeground(
                readableDim(palette().color(QPalette::Text), palette().color(QPalette::Base)));
            // The tooltip is rich text for the cover; the line itself is escaped, so it stays plain text. The
            // cover goes on a line of its own, under the text rather than beside it.
            QString tip = QStringLiteral("<div>%1</div>").arg(m_trailing.toHtmlEscaped());
            if (!m_trailingPicture.isEmpty())
                tip += QStringLiteral("<div><img src=\"%1\" width=\"160\" height=\"160\"></div>")
                           .arg(QUrl::fromLocalFile(m_trailingPicture).toString().toHtmlEscaped());
            last->setToolTip(tip);
        }
    }
    if (selected >= 0 && selected < m_lines.size()) {
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
    if (row < 0 || row != trailingRow())
        Q_EMIT pressed(row, event->button());
    event->accept();
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    const int row = indexAt(event->position().toPoint()).row();
    if (event->button() == Qt::LeftButton && row >= 0) {
        if (row == trailingRow())
            Q_EMIT trailingLineClicked();
        else
            Q_EMIT rowClicked(row);
    }
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
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && currentRow() >= 0 && currentRow() == trailingRow()) {
            Q_EMIT trailingLineClicked();
            event->accept();
            return;
        }
        Q_EMIT keyPressed(event->key(), event->modifiers());
        // Enter chooses the highlighted row as a click does.
        if (enter && currentRow() >= 0)
            Q_EMIT rowClicked(currentRow());
        event->accept();
    }
}

} // namespace lumetra
