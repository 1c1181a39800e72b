// 10,000 track ends over a catalogue of 2,000 albums, cycling through every play mode and its switches,
// with a fake player: memory must stop growing after the first 1,000 ends (and, in the sanitizer build,
// nothing may leak).
#include "core/collectionfile.h"
#include "playback/collections.h"
#include "playback/playbackfixture.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace lumetra;
using namespace lumetra::test;

namespace {

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

int run()
{
    QList<TestAlbum> albums;
    QStringList chosen;
    for (int i = 0; i < 2000; ++i) {
        albums.append({QStringLiteral("Album %1").arg(i, 4, 10, QLatin1Char('0')),
                       i % 5 != 0,
                       {QStringLiteral("01 a.mp3"), QStringLiteral("02 b.ogg"), QStringLiteral("03 c.wma")}});
        if (i % 40 == 0)
            chosen.append(albums.last().title);
    }
    TestLibrary library;
    if (!library.load(albums))
        return 1;
    CollectionFile::write(CollectionFile::path(library.m_app, QStringLiteral("Fifty")), chosen);
    Wall &wall = library.m_wall;
    wall.setSlotCount(32);
    wall.display();
    RecordingView view(wall);
    FakePlayer player;
    FakePrompter prompter;
    const auto random = RandomSource::clockSeeded();
    Playback playback(library.m_songs, wall, library.m_albums, library.m_app, player, prompter, *random,
                      view);
    Collections collections(playback, library.m_songs, library.m_app, player, prompter, *random, view);
    playback.setAutoplay(true);

    constexpr int kEnds = 10000;
    constexpr int kPhase = 500;
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
            afterFirstThousand = residentMb();
    }
    const double atEnd = residentMb();
    std::printf(
        "longrun: %d track ends over %d albums, resident %.1f MB after 1000, %.1f MB after %d, growth "
        "%.2f MB, %d plays, %lld messages\n",
        kEnds, library.m_albums.size(), afterFirstThousand, atEnd, kEnds, atEnd - afterFirstThousand,
        player.plays, static_cast<long long>(prompter.messages.size()));
#if defined(__SANITIZE_ADDRESS__)
    return 0; // the sanitizer keeps freed memory aside; it looks for leaks at exit instead
#else
    return atEnd - afterFirstThousand > 2.0 ? 1 : 0;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return run();
}
