#pragma once

#include <QString>

#include <cstdint>

namespace lumetra::demo {

struct Audio;

struct Tags {
    QString title;
    QString artist;
    QString album;
    int track = 0;
};

// Each returns false with `error` set; a partly written file is left for the caller to report.
bool writeWav(const QString &path, const Audio &audio, QString *error);
bool writeOgg(const QString &path, const Audio &audio, const Tags &tags, std::uint32_t serial,
              QString *error);
bool writeMp3(const QString &path, const Audio &audio, const Tags &tags, QString *error);

} // namespace lumetra::demo
