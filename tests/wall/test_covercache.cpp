#include "core/thumbnailcache.h"
#include "wall/covercache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

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

    // What show() gives for each file once the workers are done: the colour its picture shows, "none" for a
    // null picture, "-" for one not in memory.
    QStringList shown(const QStringList &files)
    {
        m_cache.show(files, m_size);
        m_cache.waitForPrefetch();
        QStringList names;
        for (const auto &picture : m_cache.show(files, m_size))
            names.append(!picture            ? u"-"_s
                         : picture->isNull() ? u"none"_s
                                             : picture->pixelColor(10, 10).name());
        return names;
    }

    QTemporaryDir m_dir;
    ThumbnailCache m_thumbnails{m_dir.filePath(u"thumbnails"_s), -1, m_dir.filePath(u"ledger"_s)};
    CoverCache m_cache{m_thumbnails};
    const QSize m_size{64, 64};
};

TEST_F(CoverCacheTest, ThePageShownArrivesFromTheWorkersAndStaysUntilItsFileChanges)
{
    writeCover(u"a.png"_s, Qt::green);
    writeCover(u"b.png"_s, Qt::red);
    std::atomic<int> arrived{0};
    m_cache.setOnArrival([&arrived] { ++arrived; });
    const QStringList files = {cover(u"a.png"_s), cover(u"b.png"_s), cover(u"missing.png"_s)};
    EXPECT_EQ(shown(files), (QStringList{u"#00ff00"_s, u"#ff0000"_s, u"none"_s}));
    EXPECT_EQ(arrived, 3);
    EXPECT_EQ(m_cache.counts().waiting, 3);
    EXPECT_EQ(m_cache.counts().ready, 3);

    writeCover(u"a.png"_s, Qt::blue); // as a copy that keeps the time (cp -p): the same time and size
    writeCover(u"missing.png"_s, Qt::white);
    EXPECT_EQ(shown(files), (QStringList{u"#0000ff"_s, u"#ff0000"_s, u"#ffffff"_s}));
    EXPECT_EQ(m_cache.counts().waiting, 5);
}

TEST_F(CoverCacheTest, PagesAheadAreReadyWithoutThumbnailsUntilShownAndTheBoundEvictsTheOldest)
{
    for (const auto &[name, colour] :
         {std::pair{u"a.png"_s, Qt::green}, {u"b.png"_s, Qt::red}, {u"c.png"_s, Qt::blue}})
        writeCover(name, colour);
    m_cache.prefetch({{cover(u"b.png"_s)}, {cover(u"c.png"_s)}}, m_size);
    m_cache.waitForPrefetch();
    const QString thumbnail = m_thumbnails.thumbnailPath(cover(u"b.png"_s), m_size);
    EXPECT_FALSE(QFileInfo::exists(thumbnail)); // decoded ahead, never seen
    EXPECT_EQ(shown({cover(u"c.png"_s), cover(u"b.png"_s)}), (QStringList{u"#0000ff"_s, u"#ff0000"_s}));
    EXPECT_EQ(m_cache.counts().waiting, 0);
    EXPECT_TRUE(QFileInfo::exists(thumbnail));

    m_cache.setCapacity(2 * QImage(m_size, QImage::Format_RGB32).sizeInBytes());
    shown({cover(u"a.png"_s)}); // c, the least recently shown, makes room
    shown({cover(u"b.png"_s), cover(u"a.png"_s)});
    EXPECT_EQ(m_cache.counts().waiting, 1);
    shown({cover(u"c.png"_s)});
    EXPECT_EQ(m_cache.counts().waiting, 2);
}

} // namespace
