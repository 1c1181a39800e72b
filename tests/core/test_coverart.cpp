#include "core/coverart.h"
#include "core/coverloader.h"
#include "support/fakes.h"
#include "support/testlibrary.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(CoverSearch, BlanksBecomeCommasAndAddressBreakersAreEncoded)
{
    const QString base = u"https://images.google.com/images?svnum=10&hl=en&lr=&q="_s;
    EXPECT_EQ(CoverArtForm::searchAddress(u"Travis, The Best Of"_s), base + u"Travis,,The,Best,Of"_s);
    EXPECT_EQ(CoverArtForm::searchAddress(u"Rock & Roll #1 100% C+"_s),
              base + u"Rock,%26,Roll,%231,100%25,C%2B"_s);
    EXPECT_EQ(CoverArtForm::searchAddress(u"Björk's \"Vespertine\""_s), base + u"Björk's,\"Vespertine\""_s);
}

// One album whose record names another picture, "front.jpg".
class CoverArtTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(load({{u"Abbey"_s}}));
        m_songs.moveFirst();
        m_path = m_songs.value(u"Path"_s);
        m_songs.setValue(u"Picture"_s, u"front.jpg"_s);
        ASSERT_TRUE(m_songs.update());
        ASSERT_TRUE(writeFile(m_path + u"front.jpg"_s, "old picture"));
    }
    // A one-pixel GIF of that colour (Qt reads GIF but does not write it).
    QString gif(QColor colour)
    {
        QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
        bytes.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
        bytes.append("\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;", 19);
        const QString file = m_dir.filePath(u"found.gif"_s);
        writeFile(file, bytes);
        return file;
    }

    QString m_path;
    FakePrompter m_prompter;
};

// A cover that cannot be written changes nothing and says so.
TEST_F(CoverArtTest, AChosenGifBecomesTheAlbumsCoverOnceItCanBeWrittenAndALaterOneReplacesIt)
{
    CoverArtForm form(m_songs, m_prompter, u"1"_s, u"Abbey"_s, m_path);
    EXPECT_FALSE(form.okay()); // nothing to save yet
    form.browse(gif(Qt::red));
    QDir().mkpath(m_path + u"aa-cover.jpg"_s); // a folder where the file should go
    EXPECT_FALSE(form.okay());
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].startsWith(u"The cover could not be saved"_s));
    EXPECT_EQ(querySql(m_dir.filePath(u"tracks.lum"_s), u"SELECT Picture FROM songs"_s),
              QStringList{u"front.jpg"_s});
    EXPECT_EQ(QDir(m_path).entryList(QDir::Files), (QStringList{u"cover.jpg"_s, u"front.jpg"_s}));

    ASSERT_TRUE(QDir().rmdir(m_path + u"aa-cover.jpg"_s));
    ASSERT_TRUE(form.okay());
    EXPECT_EQ(qRed(loadCover(m_path + u"aa-cover.jpg"_s, QSize(10, 10)).pixel(5, 5)), 255);
    EXPECT_EQ(readAll(m_path + u"front.jpg"_s), "old picture");

    form.browse(gif(Qt::blue)); // again: the file is replaced
    ASSERT_TRUE(form.okay());
    EXPECT_EQ(qBlue(loadCover(m_path + u"aa-cover.jpg"_s, QSize(10, 10)).pixel(5, 5)), 255);
    form.browse(std::nullopt);
    EXPECT_TRUE(form.preview().isNull());
}

TEST(CoverLoader, RefusesOversizedPictures)
{
    QTemporaryDir dir;
    // A baseline JPEG claiming 12,000 × 9,000 pixels with no scan data. Read scaled to a slot it stays under
    // Qt's own allocation limit, so only our limit refuses it.
    const QByteArray jpeg = QByteArray::fromHex("ffd8 ffdb0043 00") + QByteArray(64, '\x01') +
                            QByteArray::fromHex("ffc0000b08 2328 2ee0 01 011100"
                                                "ffc40014 00 01000000000000000000000000000000 00"
                                                "ffc40014 10 01000000000000000000000000000000 00"
                                                "ffda0008 01 0100 003f00 ffd9");
    const QString huge = dir.filePath(u"huge.jpg"_s);
    ASSERT_TRUE(writeFile(huge, jpeg));
    EXPECT_TRUE(loadCover(huge, QSize(160, 160)).isNull());
}

} // namespace
