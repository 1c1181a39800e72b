#include "core/thumbnailcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using namespace Qt::StringLiterals;
using namespace lumetra;

namespace {

std::filesystem::perms modeOf(const QString &path)
{
    return std::filesystem::status(QFile::encodeName(path).toStdString()).permissions() &
           std::filesystem::perms::all;
}

class ThumbnailCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(u"cache"_s)));
        m_cover = m_dir.filePath(u"Album/cover.jpg"_s);
        QDir().mkpath(m_dir.filePath(u"Album"_s));
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_savedCache); }

    // A cover of one colour; `stamp` sets its modification time.
    void writeCover(Qt::GlobalColor colour, int edge, const QDateTime &stamp, const char *format = "JPG")
    {
        QImage picture(edge, edge, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(m_cover, format));
        QFile file(m_cover);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }

    // Whether the picture's centre shows `colour`, give or take what JPEG does to it.
    static bool shows(const QImage &picture, Qt::GlobalColor colour)
    {
        if (picture.isNull())
            return false;
        const QColor got = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        const QColor want(colour);
        return std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                   std::abs(got.blue() - want.blue()) <
               24;
    }

    QTemporaryDir m_dir;
    QByteArray m_savedCache;
    QString m_cover;
    const QDateTime m_stamp = QDateTime::fromSecsSinceEpoch(1'700'000'000);
};

TEST_F(ThumbnailCacheTest, WritesTheSharedThumbnailAndReadsItBack)
{
    writeCover(Qt::green, 600, m_stamp);
    ThumbnailCache cache;
    const QString root = m_dir.filePath(u"cache/thumbnails"_s);
    ASSERT_EQ(cache.root(), root);

    const QImage picture = cache.load(m_cover, QSize(160, 160));
    EXPECT_EQ(picture.size(), QSize(160, 160));
    EXPECT_TRUE(shows(picture, Qt::green));

    const QByteArray uri = "file://" + QFile::encodeName(QFileInfo(m_cover).absoluteFilePath());
    const QString thumbnail =
        root + u"/large/"_s +
        QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) + u".png"_s;
    EXPECT_EQ(cache.thumbnailPath(m_cover, QSize(160, 160)), thumbnail);
    const QImage stored(thumbnail, "png");
    EXPECT_EQ(stored.size(), QSize(256, 256));
    EXPECT_EQ(stored.text(u"Thumb::URI"_s), QString::fromLatin1(uri));
    EXPECT_EQ(stored.text(u"Thumb::MTime"_s), u"1700000000"_s);
    EXPECT_EQ(stored.text(u"Thumb::Size"_s), QString::number(QFileInfo(m_cover).size()));
    using std::filesystem::perms;
    EXPECT_EQ(modeOf(thumbnail), perms::owner_read | perms::owner_write);
    for (const QString &folder : {root, root + u"/large"_s})
        EXPECT_EQ(modeOf(folder), perms::owner_all);
    EXPECT_EQ(QDir(root + u"/large"_s).entryList(QDir::Files), QStringList{QFileInfo(thumbnail).fileName()});

    // A valid thumbnail is taken instead of the file, also one another program left in a larger size; one
    // larger than its size is not decoded, but made anew.
    for (const auto &[folder, edge, taken] :
         {std::tuple("large", 1000, false), std::tuple("large", 256, true),
          std::tuple("x-large", 512, true)}) {
        QImage other(edge, edge, QImage::Format_RGB32);
        other.fill(Qt::red);
        other.setText(u"Thumb::URI"_s, QString::fromLatin1(uri));
        other.setText(u"Thumb::MTime"_s, u"1700000000"_s);
        const QString planted =
            root + u'/' + QLatin1StringView(folder) + u'/' + QFileInfo(thumbnail).fileName();
        QDir().mkpath(QFileInfo(planted).path());
        QFile::remove(thumbnail);
        ASSERT_TRUE(other.save(planted));
        EXPECT_EQ(shows(cache.load(m_cover, QSize(160, 160)), Qt::red), taken) << folder << edge;
        EXPECT_EQ(QImage(planted).width(), taken ? edge : 256);
    }
}

// A file changed in place is decoded afresh and its thumbnail replaced: newer at the same size, another size
// in the same second, and a copy that keeps both (cp -p), where only the change time differs.
TEST_F(ThumbnailCacheTest, AChangedFileIsDecodedAfreshAndItsThumbnailReplaced)
{
    ThumbnailCache cache;
    for (const auto &[edge, addedSecs, format] :
         {std::tuple(600, 5, "JPG"), std::tuple(700, 0, "JPG"), std::tuple(600, 0, "BMP")}) {
        SCOPED_TRACE(format + std::to_string(edge));
        writeCover(Qt::green, 600, m_stamp, format);
        ASSERT_TRUE(shows(cache.load(m_cover, QSize(160, 160)), Qt::green));
        writeCover(Qt::blue, edge, m_stamp.addSecs(addedSecs), format);
        EXPECT_TRUE(shows(cache.load(m_cover, QSize(160, 160)), Qt::blue));
        const QImage stored(cache.thumbnailPath(m_cover, QSize(160, 160)), "png");
        EXPECT_EQ(stored.text(u"Thumb::MTime"_s),
                  QString::number(m_stamp.addSecs(addedSecs).toSecsSinceEpoch()));
        EXPECT_TRUE(shows(stored, Qt::blue));
    }
}

// What this program writes is bounded, also across runs: past the bound the oldest of its thumbnails go
// first, and one that another program has written since is left alone.
TEST_F(ThumbnailCacheTest, PastTheBoundTheOldestOfOurThumbnailsGo)
{
    QStringList covers;
    for (int i = 0; i < 4; ++i) {
        writeCover(Qt::GlobalColor(Qt::red + i), 600, m_stamp);
        covers.append(m_dir.filePath(u"cover%1.jpg"_s.arg(i)));
        ASSERT_TRUE(QFile::rename(m_cover, covers.last()));
    }
    const QSize size(160, 160);
    const QString root = m_dir.filePath(u"bounded"_s);
    const QString ledger = m_dir.filePath(u"ledger"_s);
    auto exists = [&](int i) {
        return QFileInfo::exists(ThumbnailCache(root).thumbnailPath(covers[i], size));
    };
    ThumbnailCache probe(m_dir.filePath(u"probe"_s), -1, m_dir.filePath(u"probe-ledger"_s));
    probe.load(covers[0], size);
    const qint64 one = QFileInfo(probe.thumbnailPath(covers[0], size)).size();
    ASSERT_GT(one, 0);
    {
        ThumbnailCache cache(root, 2 * one + one / 2, ledger);
        cache.load(covers[0], size);
        cache.load(covers[1], size);
        QImage other(256, 256, QImage::Format_RGB32);
        other.fill(Qt::white);
        other.setText(u"Software"_s, u"Another Viewer"_s);
        ASSERT_TRUE(other.save(cache.thumbnailPath(covers[1], size), "png"));
        cache.load(covers[2], size);
        EXPECT_FALSE(exists(0));
        cache.load(covers[3], size);
        EXPECT_TRUE(exists(1));
    }
    ThumbnailCache nextRun(root, 2 * one + one / 2, ledger);
    nextRun.load(covers[0], size);
    EXPECT_EQ((QList<bool>{exists(0), exists(1), exists(2), exists(3)}),
              (QList<bool>{true, true, false, true}));
}

TEST_F(ThumbnailCacheTest, NoThumbnailIsMadeForACacheThatCannotBeWritten)
{
    writeCover(Qt::green, 600, m_stamp);
    QFile blocker(m_dir.filePath(u"file"_s)); // where the cache's folder would have to be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    ThumbnailCache cache(m_dir.filePath(u"file/thumbnails"_s), -1, m_dir.filePath(u"ledger"_s));
    ThumbnailCache::Unwritten unwritten;
    EXPECT_TRUE(shows(cache.load(m_cover, QSize(160, 160), &unwritten), Qt::green));
    EXPECT_LT(unwritten.cacheSize, 0);
    EXPECT_TRUE(shows(cache.load(m_cover, QSize(160, 160)), Qt::green));
}

TEST_F(ThumbnailCacheTest, SmallPicturesLargeSizesAndBrokenFilesBypassTheCache)
{
    ThumbnailCache cache;
    writeCover(Qt::green, 100, m_stamp, "BMP"); // recognised by its content, not its name
    EXPECT_TRUE(shows(cache.load(m_cover, QSize(160, 160)), Qt::green));
    writeCover(Qt::blue, 1200, m_stamp.addSecs(1));
    const QImage large = cache.load(m_cover, QSize(1100, 1100));
    EXPECT_EQ(large.size(), QSize(1100, 1100));
    EXPECT_TRUE(shows(large, Qt::blue));
    EXPECT_FALSE(QFileInfo::exists(cache.root()));

    ASSERT_TRUE(QFile(m_cover).resize(10)); // a missing file is CoverCacheTest's
    EXPECT_TRUE(cache.load(m_cover, QSize(160, 160)).isNull());
}

} // namespace
