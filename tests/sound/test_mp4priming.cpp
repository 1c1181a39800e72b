#include "sound/mp4priming.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace lumetra::sound;

namespace {

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}
QByteArray box(const char *type, const QByteArray &body)
{
    return be32(quint32(8 + body.size())) + type + body;
}
QByteArray fullBox(const char *type, const QByteArray &body)
{
    return box(type, be32(0) + body);
}

// A movie of one sound track at 44.1 kHz: its edit list starting at `mediaTime`, AAC of object type `aot`,
// and an iTunSMPB tag when `smpb` is not empty.
QByteArray movie(qint32 mediaTime, int aot, const QByteArray &smpb = {})
{
    const QByteArray config = "\x05\x02" + QByteArray(1, char(aot << 3)) + '\x10';
    const QByteArray decoder = "\x04\x11\x40\x15" + QByteArray(11, '\0') + config;
    const QByteArray esds =
        fullBox("esds", "\x03" + QByteArray(1, char(3 + decoder.size())) + QByteArray(3, '\0') + decoder);
    const QByteArray stsd = fullBox("stsd", be32(1) + box("mp4a", QByteArray(28, '\0') + esds));
    const QByteArray mdia = fullBox("mdhd", be32(0) + be32(0) + be32(44100) + be32(0) + be32(0)) +
                            fullBox("hdlr", be32(0) + "soun" + QByteArray(13, '\0')) +
                            box("minf", box("stbl", stsd));
    const QByteArray elst = fullBox("elst", be32(1) + be32(1000) + be32(quint32(mediaTime)) + be32(0x10000));
    QByteArray moov = box("trak", box("edts", elst) + box("mdia", mdia));
    if (!smpb.isEmpty()) {
        const QByteArray item = fullBox("mean", "com.apple.iTunes") + fullBox("name", "iTunSMPB") +
                                box("data", be32(1) + be32(0) + smpb);
        moov += box("udta", fullBox("meta", box("ilst", box("----", item))));
    }
    return moov;
}

TEST(Mp4Priming, TheMusicStartsWhereTheFileSaysOrAfterAnAacLowComplexityFrame)
{
    const struct {
        const char *name;
        QByteArray moov;
        Mp4Priming expected;
    } rows[] = {
        {"LC, nothing said", movie(0, 2), {1024, -1, 44100}},
        {"the edit list, which the demuxer applies", movie(1024, 2), {}},
        {"HE-AAC, nothing said", movie(0, 5), {}},
        {"iTunSMPB",
         movie(0, 5, " 00000000 00000840 000001CA 0000000000015888 00000000"),
         {0x840, 0x15888, 44100}},
        {"a damaged iTunSMPB", movie(0, 2, " 00000000 zz"), {1024, -1, 44100}},
        {"a box longer than the movie", movie(0, 2).chopped(1), {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Mp4Priming found = mp4PrimingFromMovie(row.moov);
        EXPECT_EQ(found.skip, row.expected.skip);
        EXPECT_EQ(found.length, row.expected.length);
        EXPECT_EQ(found.rate, row.expected.rate);
    }
}

} // namespace
