#include "core/coverloader.h"
#include "support/testlibrary.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(CoverLoader, RecognisesPicturesByContentAndDecodesAtSlotSize)
{
    QTemporaryDir dir;
    QImage red(300, 200, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString bmpNamedJpg = dir.filePath(u"aa-cover.jpg"_s);
    ASSERT_TRUE(red.save(bmpNamedJpg, "BMP"));
    const QString jpg = dir.filePath(u"folder.jpg"_s);
    ASSERT_TRUE(red.save(jpg, "JPG"));

    for (const QString &file : {bmpNamedJpg, jpg}) {
        const QImage cover = loadCover(file, QSize(160, 160));
        ASSERT_FALSE(cover.isNull()) << file.toStdString();
        EXPECT_EQ(cover.size(), QSize(160, 160));
        EXPECT_GT(qRed(cover.pixel(80, 80)), 200);
    }
}

TEST(CoverLoader, RefusesMissingGarbageAndOversizedPictures)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(u"cover.jpg"_s);
    ASSERT_TRUE(writeFile(garbage, QByteArray(5000, '\x7f')));
    EXPECT_TRUE(loadCover(garbage, QSize(100, 100)).isNull());
    EXPECT_TRUE(loadCover(dir.filePath(u"none.jpg"_s), QSize(100, 100)).isNull());

    // A BMP header claiming 50,000 × 50,000 pixels with no pixel data behind it.
    QByteArray bmp("BM");
    auto le32 = [&bmp](quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp.append(char((v >> (8 * i)) & 0xFF));
    };
    le32(54);
    le32(0);
    le32(54);
    le32(40);
    le32(50000);
    le32(50000);
    bmp.append("\x01\x00\x18\x00", 4);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    le32(0);
    const QString huge = dir.filePath(u"huge.jpg"_s);
    ASSERT_TRUE(writeFile(huge, bmp));
    EXPECT_TRUE(loadCover(huge, QSize(160, 160)).isNull());
}

} // namespace
