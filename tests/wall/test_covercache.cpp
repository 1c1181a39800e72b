#include "core/thumbnailcache.h"
#include "wall/covercache.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

class CoverCacheTest : public ::testing::Test
{
protected:
    QString cover(const QString &name) const { return m_dir.filePath(name); }

    void writeCover(const QString &name, Qt::GlobalColor colour, int secs = 0)
    {
        QImage picture(300, 300, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(cover(name), "BMP")); // one size whatever the colour
        QFile file(cover(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + secs),
                                     QFileDevice::FileModificationTime));
    }

    // The colour each picture shows; "none" for a null picture.
    static QStringList colours(const QList<QImage> &pictures)
    {
        QStringList names;
        for (const QImage &picture : pictures)
            names.append(picture.isNull() ? u"none"_s : picture.pixelColor(10, 10).name());
        return names;
    }

    QTemporaryDir m_dir;
    ThumbnailCache m_thumbnails{m_dir.filePath(u"thumbnails"_s)};
    CoverCache m_cache{m_thumbnails};
    const QSize m_size{64, 64};
};

TEST_F(CoverCacheTest, KeepsPicturesUntilTheirFileChanges)
{
    writeCover(u"a.png"_s, Qt::green);
    writeCover(u"b.png"_s, Qt::red);
    const QStringList files = {cover(u"a.png"_s), cover(u"b.png"_s), cover(u"missing.png"_s)};
    EXPECT_EQ(colours(m_cache.pictures(files, m_size)), (QStringList{u"#00ff00"_s, u"#ff0000"_s, u"none"_s}));
    EXPECT_EQ(m_cache.counts().decoded, 3);
    m_cache.pictures(files, m_size);
    EXPECT_EQ(m_cache.counts().ready, 3);

    writeCover(u"a.png"_s, Qt::blue); // as a copy that keeps the time (cp -p): the same time and size
    writeCover(u"missing.png"_s, Qt::white);
    EXPECT_EQ(colours(m_cache.pictures(files, m_size)),
              (QStringList{u"#0000ff"_s, u"#ff0000"_s, u"#ffffff"_s}));
    EXPECT_EQ(m_cache.counts().ready, 4);
}

TEST_F(CoverCacheTest, PagesDecodedAheadAreReadyAndTheBoundEvictsTheOldest)
{
    for (const auto &[name, colour] :
         {std::pair{u"a.png"_s, Qt::green}, {u"b.png"_s, Qt::red}, {u"c.png"_s, Qt::blue}})
        writeCover(name, colour);
    m_cache.prefetch({{cover(u"b.png"_s)}, {cover(u"c.png"_s)}}, m_size);
    m_cache.waitForPrefetch();
    EXPECT_EQ(colours(m_cache.pictures({cover(u"c.png"_s), cover(u"b.png"_s)}, m_size)),
              (QStringList{u"#0000ff"_s, u"#ff0000"_s}));
    EXPECT_EQ(m_cache.counts().ready, 2);
    EXPECT_EQ(m_cache.counts().decoded, 0);

    m_cache.setCapacity(2 * QImage(m_size, QImage::Format_RGB32).sizeInBytes());
    m_cache.pictures({cover(u"a.png"_s)}, m_size); // c, the least recently shown, makes room
    m_cache.pictures({cover(u"b.png"_s), cover(u"a.png"_s)}, m_size);
    EXPECT_EQ(m_cache.counts().decoded, 1);
    m_cache.pictures({cover(u"c.png"_s)}, m_size);
    EXPECT_EQ(m_cache.counts().decoded, 2);
}

} // namespace
