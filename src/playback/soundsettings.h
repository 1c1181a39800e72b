#pragma once

#include <QString>

namespace lumetra {

// sound.ini beside jb.ini (Qt's INI format): the crossfade between albums and loudness levelling. A missing
// file, or a value that is missing or out of range, gives the default.
struct SoundSettings {
    static constexpr int kMaxCrossfade = 12; // seconds
    static QString fileName() { return QStringLiteral("sound.ini"); }

    int crossfade = 0; // seconds; 0: albums follow each other straight on
    bool levelling = true;

    static SoundSettings load(const QString &path);
    // The whole file through a temporary one in the same folder; false, with the old file kept, on failure.
    bool save(const QString &path) const;
    bool operator==(const SoundSettings &) const = default;
};

} // namespace lumetra
