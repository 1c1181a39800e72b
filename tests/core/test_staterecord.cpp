#include "core/staterecord.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

TEST(StateRecordVolume, IsTheLeadingNumberClampedAndEmptyIsSilent)
{
    const std::pair<const char *, int> cases[] = {{"", 0},      {"57", 57}, {" 80 ", 80}, {"abc", 0},
                                                  {"150", 100}, {"-3", 0},  {"42x", 42},  {"0", 0}};
    for (const auto &[text, volume] : cases) {
        StateRecord state;
        state.present = true;
        state.folders = QString::fromLatin1(text);
        EXPECT_EQ(state.volume(), volume) << text;
    }
    EXPECT_EQ(StateRecord{}.volume(), StateRecord::kFirstRunVolume);
}

} // namespace
