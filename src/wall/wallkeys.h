#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

namespace lumetra {

// The wall's keyboard and wheel: which slot carries the focus frame, and what a key or a turn of the
// wheel asks for. Holds no widget; the window pages the wall and presses covers.
class WallKeys
{
public:
    enum class Action {
        None,
        Focus,
        NextPage,
        PreviousPage,
        FirstPage,
        LastPage,
        Letter,
        Press,
        Menu,
        PlayPause
    };
    struct Result {
        Action action = Action::None;
        // The slot to focus once the action is done; after paging, on the new page.
        int focus = 0;
        // For Letter: 0 for A up to 25 for Z.
        int letter = -1;
        bool operator==(const Result &) const = default;
    };

    // A page of `slots` slots in rows of `columns`; the focus stays on the page.
    void setGrid(int slots, int columns);
    int slots() const { return m_slots; }
    int focus() const { return m_focus; }
    void setFocus(int slot);

    // Arrows move the focus and page across the wall's edge; Page Up/Down, Home, End page; Enter presses
    // the focused cover, the menu key and Shift+F10 open its menu; Space plays or pauses; a letter jumps.
    Result key(int key, Qt::KeyboardModifiers modifiers, const QString &text) const;
    // Wheel and swipe, in eighths of a degree: a page per notch (120) down or to the right, back up or left.
    Result wheel(QPoint angleDelta);

    // A held key repeats faster than pages can be painted: while the page last turned waits for its paint, a
    // repeat that would move the page again is dropped, so the wall keeps up with the key and stops with it.
    bool dropsRepeat(const Result &result, bool autoRepeat) const;
    void pageTurned() { m_turnUnpainted = true; }
    void pagePainted() { m_turnUnpainted = false; }

    // Where End puts the first album: the page Next page reaches last from the first page.
    static int lastPageStart(int albumCount, int slotCount);

private:
    Result focusOrPage(int target, Action page, int focusAfterPaging) const;

    int m_slots = 0;
    int m_columns = 1;
    int m_focus = 0;
    QPoint m_wheel;
    bool m_turnUnpainted = false;
};

} // namespace lumetra
