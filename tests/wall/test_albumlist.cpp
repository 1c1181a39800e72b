#include "core/catalogue.h"
#include "core/recordview.h"
#include "support/testlibrary.h"
#include "wall/albumlist.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(AlbumList, PopulateKeepsDuplicatesDropsEmptyTitlesAndSortsIgnoringCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{QStringLiteral("brook")}, {QStringLiteral("Beta")},
                                            {QString()}, {QStringLiteral("alpha")}, {QStringLiteral("Bravo")},
                                            {QStringLiteral("Beta")}, {QStringLiteral("Zed")}}));
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(dir.filePath(QStringLiteral("tracks.lum"))));
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    albums.populate(songs);
    EXPECT_EQ(albums.titles(), (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("Beta"),
                                            QStringLiteral("Bravo"), QStringLiteral("brook"), QStringLiteral("Zed")}));
}

TEST(AlbumList, EmptyCatalogueGivesEmptyList)
{
    QTemporaryDir dir;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(dir.filePath(QStringLiteral("tracks.lum"))));
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    albums.setTitles({QStringLiteral("stale")});
    albums.populate(songs);
    EXPECT_TRUE(albums.isEmpty());
}

TEST(AlbumList, FirstLetterIsComparedInUpperCase)
{
    AlbumList albums;
    albums.setTitles({QStringLiteral("Bravo"), QStringLiteral("alpha"), QStringLiteral("brook"),
                      QStringLiteral("'Round Midnight"), QStringLiteral("1999")});
    EXPECT_EQ(albums.at(albums.firstStartingWith(u'B')), QStringLiteral("Bravo"));
    EXPECT_EQ(albums.at(albums.firstStartingWith(u'A')), QStringLiteral("alpha"));
    EXPECT_EQ(albums.firstStartingWith(u'R'), -1);
    EXPECT_EQ(albums.firstStartingWith(u'Z'), -1);
}

} // namespace
