#include "wallkeys.h"

#include <algorithm>

namespace lumetra {

namespace {
constexpr int kNotch = 120;
} // namespace

void WallKeys::setGrid(int slots, int columns)
{
    m_slots = std::max(slots, 0);
    m_columns = std::max(columns, 1);
    setFocus(m_focus);
}

void WallKeys::setFocus(int slot)
{
    m_focus = std::clamp(slot, 0, std::max(m_slots - 1, 0));
}

WallKeys::Result WallKeys::focusOrPage(int target, Action page, int focusAfterPaging) const
{
    if (target >= 0 && target < m_slots)
        return {Action::Focus, target};
    return {page, focusAfterPaging};
}

WallKeys::Result WallKeys::key(int key, Qt::KeyboardModifiers modifiers, const QString &text) const
{
    if (m_slots == 0)
        return {};
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (modifiers & commands)
        return {};
    const int k = m_focus;
    const int column = k % m_columns;
    const int lastRow = (m_slots - 1) / m_columns * m_columns;
    switch (key) {
    case Qt::Key_Right:
        return focusOrPage(k + 1, Action::NextPage, 0);
    case Qt::Key_Left:
        return focusOrPage(k - 1, Action::PreviousPage, m_slots - 1);
    case Qt::Key_Down:
        return focusOrPage(k + m_columns, Action::NextPage, column);
    case Qt::Key_Up:
        return focusOrPage(k - m_columns, Action::PreviousPage, std::min(lastRow + column, m_slots - 1));
    case Qt::Key_PageDown:
        return {Action::NextPage, k};
    case Qt::Key_PageUp:
        return {Action::PreviousPage, k};
    case Qt::Key_Home:
        return {Action::FirstPage, 0};
    case Qt::Key_End:
        return {Action::LastPage, 0};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {Action::Press, k};
    case Qt::Key_Menu:
        return {Action::Menu, k};
    case Qt::Key_F10:
        return modifiers & Qt::ShiftModifier ? Result{Action::Menu, k} : Result{};
    case Qt::Key_Space:
        return {Action::PlayPause, k};
    default:
        break;
    }
    if (text.size() == 1) {
        const QChar c = text.front().toUpper();
        if (c >= u'A' && c <= u'Z')
            return {Action::Letter, 0, c.unicode() - u'A'};
    }
    return {};
}

WallKeys::Result WallKeys::wheel(QPoint angleDelta)
{
    // A turn back the other way starts afresh, so one notch always answers at once.
    auto add = [](int &sum, int delta) {
        if ((sum > 0 && delta < 0) || (sum < 0 && delta > 0))
            sum = 0;
        sum += delta;
    };
    add(m_wheel.rx(), angleDelta.x());
    add(m_wheel.ry(), angleDelta.y());
    const int forward = std::min(m_wheel.x(), m_wheel.y());
    const int back = std::max(m_wheel.x(), m_wheel.y());
    if (forward <= -kNotch || back >= kNotch) {
        const bool next = forward <= -kNotch;
        m_wheel = {};
        return {next ? Action::NextPage : Action::PreviousPage, m_focus};
    }
    return {};
}

bool WallKeys::dropsRepeat(const Result &result, bool autoRepeat) const
{
    switch (result.action) {
    case Action::NextPage:
    case Action::PreviousPage:
    case Action::FirstPage:
    case Action::LastPage:
    case Action::Letter:
        return autoRepeat && m_turnUnpainted;
    default:
        return false;
    }
}

int WallKeys::lastPageStart(int albumCount, int slotCount)
{
    if (albumCount <= 0 || slotCount <= 0)
        return 0;
    return (albumCount - 1) / slotCount * slotCount;
}

} // namespace lumetra
