#include "core/settings.h"
#include "core/staterecord.h"
#include "core/textfile.h"
#include "support/testlibrary.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Line 6: the first character is bounce, the second autoplay, the last no wrap; only a "1" is on.
TEST(SettingsLines, FlagsAreTheFirstSecondAndLastCharacter)
{
    const std::pair<const char *, const char *> cases[] = {{"100", "100"}, {"001", "001"}, {"111", "111"},
                                                           {"1", "101"},   {"", "000"},    {"1x0", "100"},
                                                           {"2 2", "000"}, {"01", "011"}};
    for (const auto &[line, flags] : cases) {
        Settings s;
        s.bounceCovers = s.autoplay = s.noWrap = true;
        SettingsFile::applyLine(s, 6, QString::fromLatin1(line));
        EXPECT_EQ(QString::number(s.bounceCovers) + QString::number(s.autoplay) + QString::number(s.noWrap),
                  QString::fromLatin1(flags))
            << line;
    }
}

TEST(SettingsLines, NumbersIgnoreBlanksAndBadValuesKeepTheSetting)
{
    Settings s;
    SettingsFile::applyLine(s, 2, u"  3100 "_s);
    SettingsFile::applyLine(s, 3, u"x"_s);
    SettingsFile::applyLine(s, 4, u"-2147483633"_s); // a system colour
    SettingsFile::applyLine(s, 5, u"99999999999"_s);
    EXPECT_EQ(s.coverSize, 3100);
    EXPECT_EQ(s.coverGap, 150);
    EXPECT_EQ(s.backColor, -2147483633);
    EXPECT_EQ(s.textColor, Settings{}.textColor);
    SettingsFile::applyLine(s, 2, u"40000"_s); // beyond 16 bits
    SettingsFile::applyLine(s, 2, u"0"_s);     // a cover needs a size
    EXPECT_EQ(s.coverSize, 3100);
}

// Line 7: name, "+", size with either decimal separator, "&", bold; each part is read on its own and one
// that does not convert keeps what was there (DejaVu Sans, 9.75, not bold).
TEST(SettingsLines, FontLinePartsAreReadOneByOne)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::tuple<const char *, const char *, float, bool> cases[] = {
        {"Verdana+12&True", "Verdana", 12, true},
        {"Verdana+12,5&True", "Verdana", 12.5f, true},
        {"DejaVu Serif+abc&True", "DejaVu Serif", 9.75f, true},
        {"DejaVu Serif+12&maybe", "DejaVu Serif", 12, false},
        {"Verdana 12 True", "DejaVu Sans", 9.75f, false},
        {"Verdana&True+12", "Verdana&True", 9.75f, false},
        {"+8&True", "DejaVu Sans", 8, true},
        {"Arial+inf&1", "Arial", 9.75f, true},
        {"Arial+1e30&0", "Arial", 9.75f, false},
        {"Arial+-3&x", "Arial", 9.75f, false}};
    for (const auto &[line, name, size, bold] : cases) {
        Settings s;
        SettingsFile::applyLine(s, 7, QString::fromLatin1(line));
        EXPECT_EQ(s.fontName, QString::fromLatin1(name)) << line;
        EXPECT_FLOAT_EQ(s.fontSize, size) << line;
        EXPECT_EQ(s.fontBold, bold) << line;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SettingsFile::encodeFont(u"Arial"_s, 9.75f, true), u"Arial+9,75&True"_s);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(SettingsFile::encodeFont(u"Arial"_s, 9.8f, false), u"Arial+9.8&False"_s);
    QLocale::setDefault(saved);
}

TEST(SettingsFile, AMissingOrShortOldFileKeepsWhatItDoesNotHold)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"jb.ini"_s);
    Settings s;
    EXPECT_FALSE(SettingsFile::readInto(s, path));
    EXPECT_EQ(s, Settings{});
    EXPECT_FALSE(SettingsFile::readLines(path));
    ASSERT_TRUE(writeFile(path, "C:\\Musik\\Caf\xE9 \x80\n2600\n")); // older programs wrote Windows-1252
    ASSERT_TRUE(SettingsFile::readInto(s, path));
    EXPECT_EQ(s.musicFolder, u"C:\\Musik\\Café €"_s);
    EXPECT_EQ(s.coverSize, 2600);
    EXPECT_EQ(s.coverGap, Settings{}.coverGap);
    EXPECT_EQ(s.fontName, Settings{}.fontName);
    const auto lines = SettingsFile::readLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 8);
    EXPECT_EQ(lines->at(1), u"2600"_s);
    EXPECT_TRUE(lines->at(7).isEmpty());
}

// A value with a line break would shift every later line: it is refused before anything is written.
TEST(SettingsFile, WrittenValuesReadBackAndALineBreakIsRefusedBeforeAnythingIsWritten)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"jb.ini"_s);
    Settings s;
    s.musicFolder = u"/home/ann/Müsic & Co"_s;
    ASSERT_TRUE(SettingsFile::write(path, s));
    Settings back;
    ASSERT_TRUE(SettingsFile::readInto(back, path));
    EXPECT_EQ(back, s);
    const QByteArray bytes = readAll(path);
    for (const QString &folder : {u"/music\nNew"_s, u"/music\rNew"_s}) {
        s.musicFolder = folder;
        QString error;
        EXPECT_FALSE(SettingsFile::write(path, s, &error));
        EXPECT_EQ(error, u"line 1 holds a line break."_s);
        EXPECT_EQ(readAll(path), bytes);
    }
}

TEST(StateRecordVolume, IsTheLeadingNumberClampedAndEmptyIsSilent)
{
    const std::pair<const char *, int> cases[] = {{"", 0},     {"57", 57},   {" 80 ", 80},
                                                  {"abc", 0},  {"150", 100}, {"-3", 0},
                                                  {"42x", 42}, {"0", 0},     {"+40", 40}};
    for (const auto &[text, volume] : cases)
        EXPECT_EQ((StateRecord{QString::fromLatin1(text), {}, true}.volume()), volume) << text;
    EXPECT_EQ(StateRecord{}.volume(), StateRecord::kFirstRunVolume);
}

} // namespace
