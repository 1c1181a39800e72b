#include "core/collation.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

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

} // namespace
