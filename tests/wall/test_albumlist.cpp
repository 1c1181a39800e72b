#include "core/catalogue.h"
#include "core/recordview.h"
#include "support/testlibrary.h"
#include "wall/albumlist.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST(AlbumList, PopulateKeepsDuplicatesDropsEmptyTitlesAndSortsIgnoringCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(
        dir.path(),
        {{u"brook"_s}, {u"Beta"_s}, {QString()}, {u"alpha"_s}, {u"Bravo"_s}, {u"Beta"_s}, {u"Zed"_s}}));
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(dir.filePath(u"tracks.lum"_s)));
    RecordView songs(catalogue, u"songs"_s);
    songs.refresh();
    AlbumList albums;
    albums.populate(songs);
    EXPECT_EQ(albums.titles(),
              (QStringList{u"alpha"_s, u"Beta"_s, u"Beta"_s, u"Bravo"_s, u"brook"_s, u"Zed"_s}));
}

TEST(AlbumList, EmptyCatalogueGivesEmptyList)
{
    QTemporaryDir dir;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(dir.filePath(u"tracks.lum"_s)));
    RecordView songs(catalogue, u"songs"_s);
    songs.refresh();
    AlbumList albums;
    albums.setTitles({u"stale"_s});
    albums.populate(songs);
    EXPECT_TRUE(albums.isEmpty());
}

TEST(AlbumList, FirstLetterIsComparedInUpperCase)
{
    AlbumList albums;
    albums.setTitles({u"Bravo"_s, u"alpha"_s, u"brook"_s, u"'Round Midnight"_s, u"1999"_s});
    EXPECT_EQ(albums.at(albums.firstStartingWith(u'B')), u"Bravo"_s);
    EXPECT_EQ(albums.at(albums.firstStartingWith(u'A')), u"alpha"_s);
    EXPECT_EQ(albums.firstStartingWith(u'R'), -1);
    EXPECT_EQ(albums.firstStartingWith(u'Z'), -1);
}

} // namespace
