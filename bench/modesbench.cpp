#include "modesbench.h"

#include "synthlibrary.h"

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/collectionfile.h"
#include "core/randomsource.h"
#include "core/recordview.h"
#include "playback/collections.h"
#include "playback/playback.h"
#include "playback/playbackview.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include <QTemporaryDir>

#include <cstdio>

namespace lumetra::bench {

namespace {

// Shows nothing; pages the wall model as the window does.
class NullView final : public PlaybackView
{
public:
    explicit NullView(Wall &wall)
        : m_wall(wall)
    {
    }
    void display() override { m_wall.display(); }
    void unloader() override
    {
        m_wall.setFirstAlbum(0);
        m_wall.display();
    }
    void setJukeboxArea(bool) override {}
    void setSlotsEnabled(bool) override {}
    void setStatus(const QString &) override {}
    void showNotice(const QString &) override {}
    void showNowPlayingPicture(const QString &) override {}
    void showQueuePicture(const QString &) override {}
    void trackListChanged() override {}
    void queueChanged() override {}
    void popupCoverMenu() override {}
    void popupQueueMenu() override {}
    void popupCollEditMenu() override {}
    void setCollectionsArea(bool) override {}
    void collectionsChanged() override {}

private:
    Wall &m_wall;
};

} // namespace

int modesBench()
{
    constexpr int kAlbums = 2000;
    constexpr int kEnds = 10000;
    constexpr int kPhase = 500;
    constexpr double kFloorMb = 2.0;
    QTemporaryDir work;
    const QString dir = work.path() + QStringLiteral("/modes");
    QString error;
    if (!makeMusicTree(dir + QStringLiteral("/Music"), kAlbums, &error)) {
        std::fprintf(stderr, "cannot build the tree: %s\n", qPrintable(error));
        return 1;
    }
    const AppFolder app(dir);
    Catalogue catalogue;
    if (!catalogue.open(app.file(QStringLiteral("tracks.lum")))) {
        std::fprintf(stderr, "cannot open the catalogue: %s\n", qPrintable(catalogue.errorString()));
        return 1;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    albums.populate(songs);
    QStringList chosen;
    for (int i = 0; i < albums.size(); i += 40)
        chosen.append(albums.at(i));
    CollectionFile::write(CollectionFile::path(app, QStringLiteral("Fifty")), chosen);
    Wall wall(songs, albums, app);
    wall.setSlotCount(32);
    wall.display();
    NullView view(wall);
    QuietPlayer player(true);
    SilentPrompter prompter;
    const auto random = RandomSource::clockSeeded();
    Playback playback(songs, wall, albums, app, player, prompter, *random, view);
    Collections collections(playback, songs, app, player, prompter, *random, view);
    playback.setAutoplay(true);

    double afterFirstThousand = 0;
    for (int end = 0; end < kEnds; ++end) {
        const int slot = end / kPhase % wall.slotCount();
        if (end % kPhase == 0) {
            switch ((end / kPhase) % 5) {
            case 0:
                playback.mnunormal();
                playback.coverPressed(slot, true);
                break;
            case 1:
                playback.mnurandom();
                break;
            case 2:
                playback.jukeboxmode();
                playback.coverPressed(slot, true);
                playback.selectTrack(0);
                playback.selectTrack(1);
                break;
            case 3:
                collections.mnucoll();
                collections.collpicclick(0);
                break;
            default:
                playback.mnunormal();
                playback.setOverCover(slot);
                playback.mnuplsh();
                break;
            }
        }
        playback.playStateChanged(MediaPlayer::MediaEnded);
        playback.playStateChanged(MediaPlayer::Transitioning);
        if (end + 1 == 1000)
            afterFirstThousand = residentKb() / 1024.0;
    }
    const double growth = residentKb() / 1024.0 - afterFirstThousand;
    std::printf("modes: %d track ends over %d albums, %d files played\n", kEnds, albums.size(), player.plays);
    printLine("modes resident growth", growth, kFloorMb, " MB",
              QStringLiteral("after the first 1,000 ends (target under 2 MB)"));
    return growth > kFloorMb ? 1 : 0;
}

} // namespace lumetra::bench
