#include "ui/common/widgethelpers.h"
#include "ui/wall/listbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

struct KeyCase {
    Qt::Key key;
    int rowAfter; // from row 1 of five
    bool reported;
};

using ListBoxKeys = ::testing::TestWithParam<KeyCase>;

// Keys that move the highlight move it and nothing else; the window's own keys pass through; every other
// key is reported for the window to act on.
TEST_P(ListBoxKeys, MoveOrPassOrReport)
{
    ListBox list;
    list.setLines({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}, 1);
    list.resize(200, 400);
    list.show();
    int reported = 0, chosen = -1;
    QObject::connect(&list, &ListBox::keyPressed, [&reported] { ++reported; });
    QObject::connect(&list, &ListBox::rowClicked, [&chosen](int row) { chosen = row; });
    QKeyEvent press(QEvent::KeyPress, GetParam().key, Qt::NoModifier);
    QApplication::sendEvent(&list, &press);
    EXPECT_EQ(list.currentRow(), GetParam().rowAfter);
    EXPECT_EQ(reported, GetParam().reported ? 1 : 0);
    EXPECT_EQ(chosen, GetParam().key == Qt::Key_Return ? 1 : -1); // Enter chooses the highlighted row
}

INSTANTIATE_TEST_SUITE_P(Keys, ListBoxKeys,
                         ::testing::Values(KeyCase{Qt::Key_Down, 2, false}, KeyCase{Qt::Key_Up, 0, false},
                                           KeyCase{Qt::Key_End, 4, false}, KeyCase{Qt::Key_Escape, 1, false},
                                           KeyCase{Qt::Key_Tab, 1, false}, KeyCase{Qt::Key_Shift, 1, false},
                                           KeyCase{Qt::Key_Menu, 1, false}, KeyCase{Qt::Key_Space, 1, true},
                                           KeyCase{Qt::Key_Return, 1, true}, KeyCase{Qt::Key_A, 1, true}));

// Party mode's next pick as the last line: dimmed, but readable (4.5:1) and upright; too long, it ends with
// an ellipsis, and the list never scrolls sideways.
TEST(ListBoxTrailingLine, IsReadableAndNeverScrollsTheListSideways)
{
    const QColor back(24, 26, 28);
    ListBox list;
    setPanelColors(&list, back, QColor(232, 232, 232));
    list.resize(200, 300);
    list.show();
    list.setTrailingLine(u"Up next (random): "_s + QString(300, u'x'), {});
    const QListWidgetItem *last = list.item(list.trailingRow());
    EXPECT_GE(contrastRatio(last->foreground().color(), back), 4.5);
    EXPECT_LT(contrastRatio(last->foreground().color(), back), 10.0) << "dimmed";
    EXPECT_FALSE(last->font().italic());
    QApplication::processEvents(); // the list lays itself out
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

} // namespace
