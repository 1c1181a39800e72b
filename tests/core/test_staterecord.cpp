#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/staterecord.h"
#include "support/testlibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(StateRecordVolume, IsTheLeadingNumberClampedAndEmptyIsSilent)
{
    const std::pair<const char *, int> cases[] = {{"", 0},     {"57", 57},  {" 80 ", 80}, {"abc", 0},
                                                  {"150", 100}, {"-3", 0},  {"42x", 42}, {"0", 0}};
    for (const auto &[text, volume] : cases) {
        StateRecord state;
        state.present = true;
        state.folders = QString::fromLatin1(text);
        EXPECT_EQ(state.volume(), volume) << text;
    }
    EXPECT_EQ(StateRecord{}.volume(), StateRecord::kFirstRunVolume);
}

TEST(StateRecordWrite, ReducesTheTableToOneRecord)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tracks.lum"));
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(file));
    ASSERT_TRUE(runSql(file, {QStringLiteral("INSERT INTO opts VALUES ('10', 'jukebox'), ('20', ''), ('30', '')")}));
    RecordView opts(catalogue, QStringLiteral("opts"));
    opts.refresh();
    EXPECT_EQ(StateRecord::read(opts).folders, QStringLiteral("10"));

    ASSERT_TRUE(StateRecord::write(catalogue, opts, 64, false));
    EXPECT_EQ(querySql(file, QStringLiteral("SELECT folders, formcolor FROM opts")), QStringList{QStringLiteral("64|")});
    ASSERT_TRUE(StateRecord::write(catalogue, opts, 5, true));
    EXPECT_EQ(querySql(file, QStringLiteral("SELECT folders, formcolor FROM opts")),
              QStringList{QStringLiteral("5|jukebox")});

    opts.refresh();
    const StateRecord state = StateRecord::read(opts);
    EXPECT_TRUE(state.present);
    EXPECT_EQ(state.volume(), 5);
    EXPECT_EQ(state.formcolor, QStringLiteral("jukebox"));
}

} // namespace
