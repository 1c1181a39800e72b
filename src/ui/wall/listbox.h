#pragma once

#include <QListWidget>

namespace lumetra {

// A list whose clicks, presses and keys are reported to the window instead of acting by themselves, so
// that what a selection does is decided in one place.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    // Shows `lines` with `selected` (-1: none) without reporting anything.
    void setLines(const QStringList &lines, int selected);
    // A dimmed last line that is not an entry (party mode's next automatic pick); `picture` shows on hover.
    // Empty text: none.
    void setTrailingLine(const QString &text, const QString &picture);
    QString trailingLine() const { return m_trailing; }
    // The trailing line's row, -1 when there is none.
    int trailingRow() const;

Q_SIGNALS:
    // A left click on a row, or Enter on the highlighted one.
    void rowClicked(int row);
    void pressed(int row, Qt::MouseButton button);
    // Any key but the ones that move the highlight (arrows, Page Up/Down, Home, End) or belong to the
    // window (Tab, Escape, modifiers, the menu key); the window maps keypad plus and minus and Space.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // A click on the trailing line, or Enter on it.
    void trailingLineClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render(int selected);

    QStringList m_lines;
    QString m_trailing;
    QString m_trailingPicture;
};

} // namespace lumetra
