#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <limits>

namespace lumetra {

// One file's loudness as its tags give it or as measured, with the file's size and modification time
// when that was found.
struct TrackLoudness {
    static constexpr float kUnknown = std::numeric_limits<float>::quiet_NaN();
    qint64 size = -1;
    qint64 modified = 0;       // ms since the epoch
    float loudness = kUnknown; // integrated, LUFS; unknown for a file that could not be measured
    float peak = kUnknown;     // linear
    float seconds = 0;
    float albumGain = kUnknown; // dB towards the reference, from the tags
    float albumPeak = kUnknown;
};

// What is known of the library's loudness, by folder and file name, and the gains that follow from it:
// towards -18 LUFS, lowered so that the true peak stays at or below -1 dBTP. Not thread-safe.
class LoudnessTable
{
public:
    static constexpr double kReferenceLufs = -18;
    static constexpr double kCeilingDbtp = -1;

    // The album's gain (its tags, else the duration-weighted power mean of its files) or the file's own;
    // the median of the files known for a file that is not.
    double gainDb(const QString &path, bool albumGain) const;
    // Whether `path` is known as it is now on disk.
    bool isCurrent(const QString &path, qint64 size, qint64 modified) const;
    const TrackLoudness *find(const QString &path) const;
    void insert(const QString &path, const TrackLoudness &track);
    void remove(const QString &path);
    // The files known that are not in `paths`.
    QStringList pathsOutside(const QSet<QString> &paths) const;
    qsizetype size() const { return m_size; }
    // The median gain of the files known, for those that are not; 0 dB before any is.
    double median() const { return m_median; }
    void setMedian(double gain) { m_median = gain; }
    double medianOfKnown() const;

    // The cache file: written whole through a temporary file; a file that is damaged or of another
    // version reads as empty (false).
    bool save(const QString &file) const;
    bool load(const QString &file);

private:
    QHash<QString, QHash<QString, TrackLoudness>> m_folders;
    qsizetype m_size = 0;
    double m_median = 0;
};

} // namespace lumetra
