#include "core/settings.h"
#include "core/textfile.h"
#include "support/testlibrary.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumetra;
using namespace lumetra::test;

namespace {

struct FlagCase {
    const char *line;
    bool bounce, autoplay, noWrap;
};

class FlagLine : public ::testing::TestWithParam<FlagCase>
{
};

TEST_P(FlagLine, DecodesFirstSecondAndLastCharacter)
{
    Settings s;
    s.bounceCovers = s.autoplay = s.noWrap = true;
    SettingsFile::applyLine(s, 6, QString::fromLatin1(GetParam().line));
    EXPECT_EQ(s.bounceCovers, GetParam().bounce);
    EXPECT_EQ(s.autoplay, GetParam().autoplay);
    EXPECT_EQ(s.noWrap, GetParam().noWrap);
}

INSTANTIATE_TEST_SUITE_P(Lines, FlagLine,
                         ::testing::Values(FlagCase{"100", true, false, false}, FlagCase{"001", false, false, true},
                                           FlagCase{"111", true, true, true}, FlagCase{"1", true, false, true},
                                           FlagCase{"", false, false, false}, FlagCase{"1x0", true, false, false},
                                           FlagCase{"2 2", false, false, false}));

TEST(SettingsLines, NumbersIgnoreBlanksAndBadValuesKeepTheSetting)
{
    Settings s;
    SettingsFile::applyLine(s, 2, QStringLiteral("  3100 "));
    SettingsFile::applyLine(s, 3, QStringLiteral("x"));
    SettingsFile::applyLine(s, 4, QStringLiteral("-2147483633")); // a system colour
    SettingsFile::applyLine(s, 5, QStringLiteral("99999999999"));
    EXPECT_EQ(s.coverSize, 3100);
    EXPECT_EQ(s.coverGap, 150);
    EXPECT_EQ(s.backColor, -2147483633);
    EXPECT_EQ(s.textColor, Settings{}.textColor);
    SettingsFile::applyLine(s, 2, QStringLiteral("40000")); // beyond 16 bits
    SettingsFile::applyLine(s, 2, QStringLiteral("0"));     // a cover needs a size
    EXPECT_EQ(s.coverSize, 3100);
}

TEST(SettingsLines, FontLineSplitsAtFirstPlusAndAmpersand)
{
    const auto font = SettingsFile::decodeFont(QStringLiteral("Verdana+12&True"));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, QStringLiteral("Verdana"));
    EXPECT_FLOAT_EQ(font->size, 12.f);
    EXPECT_TRUE(font->bold);
    const auto small = SettingsFile::decodeFont(QStringLiteral("Verdana+9.75&False"));
    ASSERT_TRUE(small);
    EXPECT_FLOAT_EQ(small->size, 9.75f);
    EXPECT_FALSE(small->bold);
    EXPECT_FALSE(SettingsFile::decodeFont(QStringLiteral("Verdana 12 True")));
    EXPECT_FALSE(SettingsFile::decodeFont(QStringLiteral("Verdana&True+12")));
    EXPECT_FALSE(SettingsFile::decodeFont(QStringLiteral("Verdana+big&True")));
}

TEST(SettingsLines, FontSizeFollowsTheLocaleAndAcceptsPoint)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SettingsFile::encodeFont(QStringLiteral("Arial"), 9.75f, true), QStringLiteral("Arial+9,75&True"));
    EXPECT_FLOAT_EQ(SettingsFile::decodeFont(QStringLiteral("Arial+9,75&True"))->size, 9.75f);
    EXPECT_FLOAT_EQ(SettingsFile::decodeFont(QStringLiteral("Arial+9.75&True"))->size, 9.75f);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(SettingsFile::encodeFont(QStringLiteral("Arial"), 9.8f, false), QStringLiteral("Arial+9.8&False"));
    QLocale::setDefault(saved);
}

class SettingsFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("jb.ini")); }
    void write(const QByteArray &bytes) { ASSERT_TRUE(writeFile(path(), bytes)); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsFileTest, MissingFileKeepsTheDefaults)
{
    Settings s;
    EXPECT_FALSE(SettingsFile::readInto(s, path()));
    EXPECT_EQ(s, Settings{});
    EXPECT_FALSE(SettingsFile::readLines(path()));
}

TEST_F(SettingsFileTest, LaterGroupsOfEightApplyOverEarlierOnes)
{
    write("(Lumetra default)\r\n2000\r\n100\r\n0\r\n255\r\n111\r\nVerdana+12&True\r\n/pics/a.jpg\r\n"
          "/music\r\n3000\r\n200\r\n65280\r\n16711680\r\n001\r\nSerif+8&False\r\n\r\n");
    Settings s;
    ASSERT_TRUE(SettingsFile::readInto(s, path()));
    EXPECT_EQ(s.musicFolder, QStringLiteral("/music"));
    EXPECT_EQ(s.coverSize, 3000);
    EXPECT_EQ(s.coverGap, 200);
    EXPECT_EQ(s.backColor, 65280);
    EXPECT_EQ(s.textColor, 16711680);
    EXPECT_FALSE(s.bounceCovers);
    EXPECT_TRUE(s.noWrap);
    EXPECT_EQ(s.fontName, QStringLiteral("Serif"));
    EXPECT_TRUE(s.backgroundPicture.isEmpty());
}

TEST_F(SettingsFileTest, ShortFileAppliesWhatItHasAndKeepsTheRest)
{
    write("(Lumetra default)\n2600\n");
    Settings s;
    ASSERT_TRUE(SettingsFile::readInto(s, path()));
    EXPECT_EQ(s.musicFolder, QStringLiteral("(Lumetra default)"));
    EXPECT_EQ(s.coverSize, 2600);
    EXPECT_EQ(s.coverGap, Settings{}.coverGap);
    EXPECT_EQ(s.fontName, Settings{}.fontName);
    const auto lines = SettingsFile::readLines(path());
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 8);
    EXPECT_EQ(lines->at(1), QStringLiteral("2600"));
    EXPECT_TRUE(lines->at(7).isEmpty());
}

TEST_F(SettingsFileTest, WriteThenReadGivesTheSameSettingsAndCrLfLines)
{
    Settings s;
    s.musicFolder = QStringLiteral("/home/ann/Müsic & Co");
    s.coverSize = 3100;
    s.coverGap = 90;
    s.backColor = 0x102030;
    s.textColor = -2147483640;
    s.bounceCovers = true;
    s.noWrap = true;
    s.fontName = QStringLiteral("DejaVu Serif");
    s.fontSize = 11.25f;
    s.fontBold = true;
    s.backgroundPicture = QStringLiteral("/pics/wall 1.jpg");
    ASSERT_TRUE(SettingsFile::write(path(), s));
    Settings back;
    ASSERT_TRUE(SettingsFile::readInto(back, path()));
    EXPECT_EQ(back, s);
    const QByteArray bytes = readAll(path());
    EXPECT_EQ(bytes.count("\r\n"), 8);
    EXPECT_TRUE(bytes.contains("\r\n101\r\nDejaVu Serif+11.25&True\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
}

TEST_F(SettingsFileTest, OldSingleByteTextIsReadAsWindows1252)
{
    write("C:\\Musik\\Caf\xE9 \x80\r\n2400\r\n");
    Settings s;
    SettingsFile::readInto(s, path());
    EXPECT_EQ(s.musicFolder, QStringLiteral("C:\\Musik\\Café €"));
}

} // namespace
