#include "core/coverloader.h"
#include "support/testlibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(CoverLoader, RefusesMissingGarbageAndOversizedPictures)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(u"cover.jpg"_s);
    ASSERT_TRUE(writeFile(garbage, QByteArray(5000, '\x7f')));
    EXPECT_TRUE(loadCover(garbage, QSize(100, 100)).isNull());
    EXPECT_TRUE(loadCover(dir.filePath(u"none.jpg"_s), QSize(100, 100)).isNull());

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
