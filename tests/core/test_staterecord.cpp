#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/staterecord.h"
#include "support/testlibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

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

TEST(StateRecordWrite, ReducesTheTableToOneRecord)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"tracks.lum"_s);
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(file));
    ASSERT_TRUE(runSql(file, {u"INSERT INTO opts VALUES ('10', 'jukebox'), ('20', ''), ('30', '')"_s}));
    RecordView opts(catalogue, u"opts"_s);
    opts.refresh();
    EXPECT_EQ(StateRecord::read(opts).folders, u"10"_s);

    ASSERT_TRUE(StateRecord::write(catalogue, opts, 64, false));
    EXPECT_EQ(querySql(file, u"SELECT folders, quote(formcolor) FROM opts"_s), QStringList{u"64|''"_s});
    ASSERT_TRUE(StateRecord::write(catalogue, opts, 5, true));
    EXPECT_EQ(querySql(file, u"SELECT folders, formcolor FROM opts"_s), QStringList{u"5|jukebox"_s});

    opts.refresh();
    const StateRecord state = StateRecord::read(opts);
    EXPECT_TRUE(state.present);
    EXPECT_EQ(state.volume(), 5);
    EXPECT_EQ(state.formcolor, u"jukebox"_s);
}

} // namespace
