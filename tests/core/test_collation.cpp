#include "core/collation.h"
#include "core/packedstrings.h"

#include <QCollator>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

// Titles that sort differently under different rules: case, accents, ligatures, digits, punctuation,
// blanks, scripts, characters outside the first plane (with case pairs there), lone surrogates.
const QStringList kAwkward = {
    u"abc"_s,
    u"ABC"_s,
    u"Abc"_s,
    u"Éclair"_s,
    u"eclair"_s,
    u"Ecole"_s,
    u"Zoë"_s,
    u"zoe"_s,
    u"Zoe"_s,
    u"Øresund"_s,
    u"Ångström"_s,
    u"ß"_s,
    u"ss"_s,
    u"SS"_s,
    u"Straße"_s,
    u"Strasse"_s,
    u"10"_s,
    u"9"_s,
    u"1999"_s,
    u"'Round Midnight"_s,
    u"(What's the Story)"_s,
    u"_under"_s,
    u"-dash"_s,
    u" leading"_s,
    u"µ"_s,
    u"Μ"_s,
    u"ı"_s,
    u"I"_s,
    u"i"_s,
    u"İ"_s,
    u"😀 Smile"_s,
    u"𝔸lpha"_s,
    u"𐐀"_s,
    u"𐐨"_s,
    u"東京"_s,
    u"ｆｕｌｌ"_s,
    u"ǅ"_s,
    u"e\u0301t\u00e9"_s,
    u"été"_s,
    QString(QChar(0xD800)) + u"x"_s,
    u"Čech"_s,
    u"Chopin"_s,
    u"Hz"_s,
    u"Ärger"_s,
    u"Aerger"_s,
    u"Zürich"_s,
    u"Zz"_s,
    u"Ω"_s,
    u"ω"_s,
};

// Accented titles sort with their base letter under the user's locale, and under C/POSIX too.
TEST(Collation, AccentedTitlesSortWithTheirBaseLetterInEveryLocale)
{
    const QLocale saved;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        QStringList titles{u"Zoo"_s, u"éclair"_s, u"Äpfel"_s, u"Egg"_s, u"apple"_s, u"Banana"_s};
        sortIgnoringCase(titles);
        EXPECT_EQ(titles, (QStringList{u"Äpfel"_s, u"apple"_s, u"Banana"_s, u"éclair"_s, u"Egg"_s, u"Zoo"_s}))
            << locale.name().toStdString();
    }
    QLocale::setDefault(saved);
}

// The order the album list had when it compared every pair with the collator.
std::vector<int> comparedOrder(const QStringList &names)
{
    QCollator collator(collationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return collator.compare(names[a], names[b]) < 0; });
    return order;
}

class CollationOrder : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_P(CollationOrder, MatchesComparingEveryPair)
{
    // Enough names, in a scrambled order with every title many times, that the sort is split across threads
    // and equal names must keep their order.
    QStringList names;
    for (int i = 0; i < 24000; ++i)
        names.append(kAwkward[(i * 7919) % kAwkward.size()]);
    PackedStrings packed; // Latin-1 and UTF-16 texts alike
    for (const QString &name : names)
        packed.append(name);
    std::vector<QAnyStringView> views;
    for (qsizetype i = 0; i < packed.size(); ++i)
        views.push_back(packed.view(i));
    EXPECT_EQ(orderIgnoringCase(views), comparedOrder(names));

    QStringList few = kAwkward;
    sortIgnoringCase(few);
    QStringList expected;
    for (int i : comparedOrder(kAwkward))
        expected.append(kAwkward[i]);
    EXPECT_EQ(few, expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, CollationOrder, ::testing::Values("C", "en_US", "de_DE", "sv_SE", "tr_TR"));

} // namespace
