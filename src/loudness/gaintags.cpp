#include "gaintags.h"

#include <QFile>
#include <QHash>

#include <taglib/fileref.h>
#include <taglib/mp4file.h>
#include <taglib/tpropertymap.h>

namespace lumetra {

namespace {

// "-6.54 dB", "+1.2 dB", "0.98": the number at the start, in the C locale.
std::optional<double> leadingNumber(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    qsizetype end = 0;
    while (end < text.size() && (text[end].isDigit() || QStringLiteral("+-.eE").contains(text[end])))
        ++end;
    bool ok = false;
    const double value = QStringView(text).left(end).toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Every key upper-cased with its first value: TagLib's own map, plus the free-form MP4 atoms it leaves out.
QHash<QString, QString> gainFields(TagLib::File *file)
{
    QHash<QString, QString> fields;
    auto add = [&](const TagLib::String &key, const TagLib::String &value) {
        const QString name = QString::fromStdWString(key.toWString()).toUpper();
        if ((name.startsWith(QLatin1String("REPLAYGAIN_")) || name.startsWith(QLatin1String("R128_"))) &&
            !fields.contains(name))
            fields.insert(name, QString::fromStdWString(value.toWString()));
    };
    for (const auto &[key, values] : file->properties())
        if (!values.isEmpty())
            add(key, values.front());
    if (auto *mp4 = dynamic_cast<TagLib::MP4::File *>(file); mp4 && mp4->tag()) {
        static const TagLib::String kFreeForm("----:com.apple.iTunes:");
        for (const auto &[key, item] : mp4->tag()->itemMap())
            if (key.startsWith(kFreeForm) && !item.toStringList().isEmpty())
                add(key.substr(kFreeForm.size()), item.toStringList().front());
    }
    return fields;
}

} // namespace

GainTags readGainTags(const QString &path)
{
    GainTags tags;
    TagLib::FileRef ref(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Fast);
    if (ref.isNull())
        return tags;
    if (const TagLib::AudioProperties *audio = ref.audioProperties())
        tags.seconds = audio->lengthInMilliseconds() / 1000.0;
    const QHash<QString, QString> fields = gainFields(ref.file());
    auto number = [&](const char *key) { return leadingNumber(fields.value(QLatin1String(key))); };

    // ReplayGain aims at -18 LUFS unless its reference is given in LUFS (89 dB SPL is that same level).
    double toReference = 0;
    const QString reference = fields.value(QStringLiteral("REPLAYGAIN_REFERENCE_LOUDNESS"));
    if (reference.contains(QLatin1String("LUFS"), Qt::CaseInsensitive))
        toReference = -18 - leadingNumber(reference).value_or(-18);
    auto replayGain = [&](const char *key) -> std::optional<double> {
        const std::optional<double> gain = number(key);
        return gain ? std::optional(*gain + toReference) : std::nullopt;
    };
    // R128 gains are whole numbers of 1/256 dB towards -23 LUFS, 5 dB quieter than ours.
    auto r128 = [&](const char *key) -> std::optional<double> {
        bool ok = false;
        const int q78 = fields.value(QLatin1String(key)).trimmed().toInt(&ok);
        return ok ? std::optional(q78 / 256.0 + 5) : std::nullopt;
    };
    tags.trackGain = replayGain("REPLAYGAIN_TRACK_GAIN");
    if (!tags.trackGain)
        tags.trackGain = r128("R128_TRACK_GAIN");
    tags.albumGain = replayGain("REPLAYGAIN_ALBUM_GAIN");
    if (!tags.albumGain)
        tags.albumGain = r128("R128_ALBUM_GAIN");
    tags.trackPeak = number("REPLAYGAIN_TRACK_PEAK");
    tags.albumPeak = number("REPLAYGAIN_ALBUM_PEAK");
    return tags;
}

} // namespace lumetra
