#include "loudnesstable.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumetra {

namespace {

constexpr quint32 kMagic = 0x4c4d4c44; // "LMLD"
constexpr quint32 kVersion = 1;

std::pair<QString, QString> split(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return {path.left(std::max<qsizetype>(slash, 0)), path.mid(slash + 1)};
}

// The gain towards the reference, lowered so that `peak` lands at the ceiling at most.
double limited(double gain, float peak)
{
    if (peak > 0)
        gain = std::min(gain, LoudnessTable::kCeilingDbtp - 20 * std::log10(double(peak)));
    return gain;
}

double trackGain(const TrackLoudness &track)
{
    return limited(LoudnessTable::kReferenceLufs - track.loudness, track.peak);
}

} // namespace

double LoudnessTable::gainDb(const QString &path, bool albumGain) const
{
    const auto [folder, name] = split(QDir::cleanPath(path));
    const auto album = m_folders.constFind(folder);
    if (album == m_folders.cend())
        return m_median;
    const auto track = album->constFind(name);
    const bool known = track != album->cend();
    if (albumGain && known && std::isfinite(track->albumGain))
        return limited(track->albumGain, std::isnan(track->albumPeak) ? track->peak : track->albumPeak);
    if (albumGain) {
        double power = 0, seconds = 0;
        float peak = 0;
        for (const TrackLoudness &each : *album) {
            if (!std::isfinite(each.loudness))
                continue;
            const double weight = std::max(each.seconds, 1.0f);
            power += weight * std::pow(10.0, each.loudness / 10.0);
            seconds += weight;
            peak = std::max(peak, std::isnan(each.peak) ? 0.0f : each.peak);
        }
        if (seconds > 0)
            return limited(kReferenceLufs - 10 * std::log10(power / seconds), peak);
    }
    return known && std::isfinite(track->loudness) ? trackGain(*track) : m_median;
}

bool LoudnessTable::isCurrent(const QString &path, qint64 size, qint64 modified) const
{
    const TrackLoudness *track = find(path);
    return track && track->size == size && track->modified == modified;
}

const TrackLoudness *LoudnessTable::find(const QString &path) const
{
    const auto [folder, name] = split(path);
    const auto album = m_folders.constFind(folder);
    if (album == m_folders.cend())
        return nullptr;
    const auto track = album->constFind(name);
    return track == album->cend() ? nullptr : &*track;
}

void LoudnessTable::insert(const QString &path, const TrackLoudness &track)
{
    const auto [folder, name] = split(path);
    QHash<QString, TrackLoudness> &album = m_folders[folder];
    m_size += !album.contains(name);
    album.insert(name, track);
}

void LoudnessTable::remove(const QString &path)
{
    const auto [folder, name] = split(path);
    const auto album = m_folders.find(folder);
    if (album == m_folders.end() || !album->remove(name))
        return;
    --m_size;
    if (album->isEmpty())
        m_folders.erase(album);
}

QStringList LoudnessTable::pathsOutside(const QSet<QString> &paths) const
{
    QStringList outside;
    for (auto album = m_folders.cbegin(); album != m_folders.cend(); ++album)
        for (auto track = album->cbegin(); track != album->cend(); ++track)
            if (const QString path = album.key() + QLatin1Char('/') + track.key(); !paths.contains(path))
                outside.append(path);
    return outside;
}

double LoudnessTable::medianOfKnown() const
{
    std::vector<double> gains;
    gains.reserve(m_size);
    for (const auto &album : m_folders)
        for (const TrackLoudness &track : album)
            if (std::isfinite(track.loudness))
                gains.push_back(trackGain(track));
    if (gains.empty())
        return 0;
    const auto middle = gains.begin() + gains.size() / 2;
    std::nth_element(gains.begin(), middle, gains.end());
    return *middle;
}

bool LoudnessTable::save(const QString &file) const
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << qint64(m_size);
    for (auto album = m_folders.cbegin(); album != m_folders.cend(); ++album) {
        for (auto track = album->cbegin(); track != album->cend(); ++track)
            out << album.key() + QLatin1Char('/') + track.key() << track->size << track->modified
                << track->loudness << track->peak << track->seconds << track->albumGain << track->albumPeak;
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&saved);
    stream << kMagic << kVersion << payload << QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
    return stream.status() == QDataStream::Ok && saved.commit();
}

bool LoudnessTable::load(const QString &file)
{
    *this = {};
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&in);
    quint32 magic = 0, version = 0;
    QByteArray payload, hash;
    stream >> magic >> version >> payload >> hash;
    if (stream.status() != QDataStream::Ok || magic != kMagic || version != kVersion ||
        hash != QCryptographicHash::hash(payload, QCryptographicHash::Sha256))
        return false;
    QDataStream entries(payload);
    qint64 count = 0;
    entries >> count;
    for (qint64 i = 0; i < count && entries.status() == QDataStream::Ok; ++i) {
        QString path;
        TrackLoudness track;
        entries >> path >> track.size >> track.modified >> track.loudness >> track.peak >> track.seconds >>
            track.albumGain >> track.albumPeak;
        insert(path, track);
    }
    if (entries.status() == QDataStream::Ok && m_size == count)
        return true;
    *this = {};
    return false;
}

} // namespace lumetra
