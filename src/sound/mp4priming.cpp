#include "mp4priming.h"

#include <QFile>
#include <QList>
#include <QtEndian>

#include <optional>

namespace lumetra::sound {

namespace {

constexpr qint64 kLargestMovie = qint64(32) << 20;
constexpr qint64 kAacFrame = 1024;
constexpr qint64 kMostPriming = 1 << 16;
constexpr int kAacLowComplexity = 2;

quint32 be32(QByteArrayView data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.data() + at);
}

struct Box {
    QByteArrayView type;
    QByteArrayView body;
};

// The boxes directly inside `data`; one that claims more than there is ends the list.
QList<Box> children(QByteArrayView data)
{
    QList<Box> boxes;
    qsizetype at = 0;
    while (data.size() - at >= 8) {
        quint64 size = be32(data, at);
        qsizetype header = 8;
        if (size == 1) {
            if (data.size() - at < 16)
                break;
            size = qFromBigEndian<quint64>(data.data() + at + 8);
            header = 16;
        } else if (size == 0) {
            size = quint64(data.size() - at);
        }
        if (size < quint64(header) || size > quint64(data.size() - at))
            break;
        boxes.append({data.sliced(at + 4, 4), data.sliced(at + header, qsizetype(size) - header)});
        at += qsizetype(size);
    }
    return boxes;
}

std::optional<QByteArrayView> child(QByteArrayView data, QByteArrayView type)
{
    for (const Box &box : children(data)) {
        if (box.type == type)
            return box.body;
    }
    return std::nullopt;
}

std::optional<QByteArrayView> find(QByteArrayView data, std::initializer_list<const char *> path)
{
    std::optional<QByteArrayView> at = data;
    for (const char *type : path) {
        at = child(*at, type);
        if (!at)
            break;
    }
    return at;
}

// The MPEG-4 audio object type in an `esds` box (2 for AAC-LC), 0 for what is not MPEG-4 audio.
int audioObjectType(QByteArrayView esds)
{
    qsizetype at = 4; // version and flags
    const auto enter = [&](quint8 tag) {
        if (at >= esds.size() || quint8(esds[at]) != tag)
            return false;
        ++at;
        for (int i = 0; i < 4 && at < esds.size(); ++i) {
            if (!(quint8(esds[at++]) & 0x80))
                break;
        }
        return true;
    };
    if (!enter(0x03) || at + 3 > esds.size())
        return 0;
    const quint8 flags = quint8(esds[at + 2]);
    at += 3;
    if (flags & 0x80)
        at += 2;
    if ((flags & 0x40) && at < esds.size())
        at += 1 + quint8(esds[at]);
    if (flags & 0x20)
        at += 2;
    if (!enter(0x04) || at + 13 > esds.size())
        return 0;
    const quint8 objectType = quint8(esds[at]);
    at += 13;
    if (objectType == 0x67) // MPEG-2 AAC-LC
        return kAacLowComplexity;
    if (objectType != 0x40 || !enter(0x05) || at >= esds.size())
        return 0;
    // 31 escapes to types above 31, none of them AAC-LC.
    return quint8(esds[at]) >> 3;
}

struct Track {
    bool aac = false;
    int objectType = 0;
    qint64 rate = 0;
    qint64 mediaTime = 0; // where the edit list starts the track
};

std::optional<Track> soundTrack(QByteArrayView trak)
{
    const auto mdia = child(trak, "mdia");
    const auto hdlr = mdia ? child(*mdia, "hdlr") : std::nullopt;
    if (!hdlr || hdlr->size() < 12 || hdlr->sliced(8, 4) != "soun")
        return std::nullopt;
    Track track;
    if (const auto mdhd = child(*mdia, "mdhd"); mdhd && !mdhd->isEmpty()) {
        const qsizetype at = (*mdhd)[0] == 1 ? 20 : 12;
        if (mdhd->size() >= at + 4)
            track.rate = be32(*mdhd, at);
    }
    if (const auto elst = find(trak, {"edts", "elst"}); elst && elst->size() >= 8) {
        const bool wide = (*elst)[0] == 1;
        const qsizetype entry = wide ? 20 : 12;
        for (qsizetype at = 8, n = be32(*elst, 4); n > 0 && at + entry <= elst->size(); --n, at += entry) {
            const qint64 time =
                wide ? qFromBigEndian<qint64>(elst->data() + at + 8) : qint32(be32(*elst, at + 4));
            if (time != -1) { // an empty edit only delays the start
                track.mediaTime = time;
                break;
            }
        }
    }
    const auto stsd = find(*mdia, {"minf", "stbl", "stsd"});
    if (!stsd || stsd->size() < 8)
        return track;
    const auto mp4a = child(stsd->sliced(8), "mp4a");
    if (!mp4a || mp4a->size() < 28)
        return track;
    track.aac = true;
    // QuickTime's sound descriptions of version 1 and 2 are longer before their boxes.
    const int version = qFromBigEndian<quint16>(mp4a->data() + 8);
    const qsizetype boxes = 28 + (version == 1 ? 16 : version == 2 ? 36 : 0);
    if (mp4a->size() >= boxes) {
        if (const auto esds = child(mp4a->sliced(boxes), "esds"))
            track.objectType = audioObjectType(*esds);
    }
    return track;
}

// iTunSMPB: " 00000000 00000840 000001CA 00000000003F31F6 ...", priming, padding and length in hex.
std::optional<std::pair<qint64, qint64>> smpb(QByteArrayView udta)
{
    auto meta = child(udta, "meta");
    if (!meta)
        return std::nullopt;
    if (meta->size() >= 4 && be32(*meta, 0) == 0) // a full box: version and flags first
        *meta = meta->sliced(4);
    const auto ilst = child(*meta, "ilst");
    if (!ilst)
        return std::nullopt;
    for (const Box &item : children(*ilst)) {
        if (item.type != "----")
            continue;
        const auto name = child(item.body, "name");
        const auto data = child(item.body, "data");
        if (!name || !data || name->size() < 4 || name->sliced(4) != "iTunSMPB" || data->size() < 8)
            continue;
        const QList<QByteArray> fields = data->sliced(8).toByteArray().simplified().split(' ');
        bool delayOk = false;
        bool lengthOk = false;
        const qint64 delay = fields.size() >= 4 ? fields[1].toLongLong(&delayOk, 16) : 0;
        const qint64 length = fields.size() >= 4 ? fields[3].toLongLong(&lengthOk, 16) : 0;
        if (delayOk && lengthOk && delay >= 0 && delay < kMostPriming && length > 0)
            return std::pair{delay, length};
    }
    return std::nullopt;
}

} // namespace

Mp4Priming mp4PrimingFromMovie(const QByteArray &moov)
{
    for (const Box &box : children(moov)) {
        if (box.type != "trak")
            continue;
        const std::optional<Track> track = soundTrack(box.body);
        if (!track)
            continue;
        // The demuxer starts where the edit list says.
        if (!track->aac || track->rate <= 0 || track->mediaTime > 0)
            return {};
        std::optional<std::pair<qint64, qint64>> tag;
        if (const auto udta = child(moov, "udta"))
            tag = smpb(*udta);
        if (const auto udta = child(box.body, "udta"); !tag && udta)
            tag = smpb(*udta);
        if (tag)
            return {tag->first, tag->second, track->rate};
        if (track->objectType == kAacLowComplexity)
            return {kAacFrame, -1, track->rate};
        return {};
    }
    return {};
}

Mp4Priming readMp4Priming(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (qint64 at = 0; at + 8 <= file.size();) {
        file.seek(at);
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            break;
        const QByteArrayView type = QByteArrayView(header).sliced(4, 4);
        if (at == 0 && type != "ftyp")
            return {};
        qint64 size = be32(header, 0);
        qint64 skip = 8;
        if (size == 1 && header.size() == 16) {
            size = qFromBigEndian<qint64>(header.constData() + 8);
            skip = 16;
        } else if (size == 0) {
            size = file.size() - at;
        }
        if (size < skip)
            break;
        if (type == "moov") {
            if (size > kLargestMovie)
                break;
            file.seek(at + skip);
            return mp4PrimingFromMovie(file.read(size - skip));
        }
        at += size;
    }
    return {};
}

} // namespace lumetra::sound
