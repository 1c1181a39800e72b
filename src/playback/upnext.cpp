#include "upnext.h"

#include "core/folderlisting.h"
#include "core/recordview.h"
#include "party/norepeat.h"
#include "party/playhistory.h"

namespace lumetra {

namespace {

// The pickers give up after this many refused albums in a row.
constexpr int kRefusalLimit = 10;

const QString kAlbum = QStringLiteral("Album");
const QString kPath = QStringLiteral("Path");

} // namespace

UpNext::UpNext(RecordView &songs, RandomSource &random)
    : m_songs(songs)
    , m_random(random)
{
}

bool UpNext::choose(int count, const std::function<QString(int)> &titleAt, PlayHistory &history,
                    bool refuseSkipped)
{
    m_pick.reset();
    if (count <= 0)
        return false;
    auto playable = [&](int i) {
        return !refuseSkipped ||
               m_songs.valueWhere(kAlbum, titleAt(i), QStringLiteral("Probability")) != u"No";
    };
    NoRepeatPick draw(
        &history, m_random, count, [&](int i) { return m_songs.valueWhere(kAlbum, titleAt(i), kPath); },
        playable);
    for (int refusals = 0; refusals < kRefusalLimit;) {
        Pick pick;
        pick.entry = draw.drawAlbum();
        pick.album = titleAt(pick.entry);
        pick.folder = m_songs.valueWhere(kAlbum, pick.album, kPath);
        const QStringList files =
            pick.folder.isEmpty() ? QStringList() : listFiles(pick.folder, kMusicPatterns);
        if (files.isEmpty())
            history.noteAlbumSize(pick.folder, 0);
        if (files.isEmpty() || !playable(pick.entry)) {
            draw.refuse(pick.entry);
            ++refusals;
            continue;
        }
        QStringList paths;
        for (const QString &file : files)
            paths.append(pick.folder + file);
        const int t = draw.drawTrack(pick.folder, paths);
        if (t < 0)
            continue; // every track played lately: another album
        pick.file = files.at(t);
        const QString picture = m_songs.valueWhere(kAlbum, pick.album, QStringLiteral("Picture"));
        pick.cover = picture.isEmpty() ? QString() : pick.folder + picture;
        m_pick = pick;
        return true;
    }
    return false;
}

QString UpNext::line() const
{
    if (!m_pick)
        return {};
    const QString &file = m_pick->file;
    return tr("Up next (random): %1  -  %2")
        .arg(file.left(std::max<qsizetype>(0, file.size() - 4)), m_pick->album);
}

} // namespace lumetra
