#pragma once

#include <QWidget>

namespace lumetra {

class ListBox;
class PointerLabel;

// Jukebox mode's area under the wall: the queue list `List2` and the queue cover `Image15`, which skips
// the current track when clicked.
class JukeboxArea : public QWidget
{
    Q_OBJECT
public:
    explicit JukeboxArea(qreal dpi, QWidget *parent = nullptr);

    // The list's and the cover's places in the window, in twips; the area spans both.
    void place(const QRect &queueTwips, const QRect &coverTwips);
    void setColors(const QColor &back, const QColor &text);
    void setQueueLines(const QStringList &lines, int selected);
    // Party mode's next automatic pick as the list's dimmed last line, its album's cover on hover.
    void setUpNext(const QString &line, const QString &cover);
    // A picture that cannot be read leaves the one shown.
    void showQueuePicture(const QString &path);

Q_SIGNALS:
    void upNextClicked();
    void queueKey(int key, Qt::KeyboardModifiers modifiers);
    void queuePressed(int row, Qt::MouseButton button);
    void coverPressed(Qt::MouseButton button);

private:
    qreal m_dpi;
    ListBox *m_queueList;
    PointerLabel *m_queueCover;
};

} // namespace lumetra
