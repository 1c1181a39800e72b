#include "core/criteria.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

const QStringList kColumns = {u"ID"_s, u"Album"_s, u"Path"_s};

struct CriteriaCase {
    const char *text;
    int column; // -1: not a criteria text
    const char *value;
};

class CriteriaParse : public ::testing::TestWithParam<CriteriaCase>
{
};

TEST_P(CriteriaParse, GivesColumnAndValueOrNothing)
{
    const CriteriaCase &c = GetParam();
    const auto parsed = parseCriteria(QString::fromUtf8(c.text), kColumns);
    if (c.column < 0) {
        EXPECT_FALSE(parsed.has_value()) << c.text;
        return;
    }
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->column, c.column);
    EXPECT_EQ(parsed->value, QString::fromUtf8(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CriteriaParse,
    ::testing::Values(CriteriaCase{"ID = 12", 0, "12"}, CriteriaCase{"ID=12", 0, "12"},
                      CriteriaCase{"  id  =  007 ", 0, "7"},
                      CriteriaCase{"Album =  'Abbey Lane'", 1, "Abbey Lane"},
                      CriteriaCase{"album = 'Captain''s Log'", 1, "Captain's Log"},
                      CriteriaCase{"Album = ''''''", 1, "''"}, CriteriaCase{"Album = ''", 1, ""},
                      CriteriaCase{"Path = 'C:\\Music\\Ünïcødé\\'", 2, "C:\\Music\\Ünïcødé\\"},
                      CriteriaCase{"Album = 'x' OR '1'='1'", -1, ""}, CriteriaCase{"Album = 'open", -1, ""},
                      CriteriaCase{"Artist = 'x'", -1, ""}, CriteriaCase{"ID = 1; DROP TABLE songs", -1, ""},
                      CriteriaCase{"ID == 1", -1, ""}, CriteriaCase{"ID = ", -1, ""},
                      CriteriaCase{"= 1", -1, ""}, CriteriaCase{"ID = 1.5", -1, ""},
                      CriteriaCase{"ID = 99999999999999999999", -1, ""}, CriteriaCase{"", -1, ""}));

TEST(Criteria, TitlesAreQuoteDoubledIntoAlbumCriteria)
{
    EXPECT_EQ(albumCriteria(u"It's 'here'"_s), u"Album =  'It''s ''here'''"_s);
    EXPECT_EQ(idCriteria(u"42"_s), u"ID = 42"_s);
    const auto round = parseCriteria(albumCriteria(u"a''b'"_s), kColumns);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->value, u"a''b'"_s);
}

} // namespace
