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
const QStringList kAwkward =
    u"abc|ABC|Abc|Éclair|eclair|Ecole|Zoë|zoe|Zoe|Øresund|Ångström|ß|ss|SS|Straße|"
    u"Strasse|10|9|1999|'Round Midnight|(What's the Story)|_under|-dash| leading|µ|Μ|"
    u"ı|I|i|İ|😀 Smile|𝔸lpha|𐐀|𐐨|東京|ｆｕｌｌ|ǅ|e\u0301t\u00e9|été|Čech|Chopin|Hz|Ärger|"
    u"Aerger|Zürich|Zz|Ω|ω"_s.split(u'|') +
    QStringList{QString(QChar(0xD800)) + u"x"_s};

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
}

INSTANTIATE_TEST_SUITE_P(Locales, CollationOrder, ::testing::Values("C", "en_US", "de_DE", "sv_SE", "tr_TR"));

} // namespace
