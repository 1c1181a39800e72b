#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

namespace lumetra {

// Even loudness: the gain that brings a file, or its album (the files of its folder), to -18 LUFS without
// its true peak passing -1 dBTP. Gains come from the files' ReplayGain or R128 tags, else from an EBU R128
// measurement made in the background: one file at a time, at the lowest priority on one processor, the
// file about to play and its album first. What is found is kept in a cache file of its own, keyed by path,
// size and modification time, for the files of the library only. The gain of a file not known yet is the
// median of those that are (0 dB before any is).
class Loudness : public QObject
{
    Q_OBJECT
public:
    // `cacheFile`: where the results are kept between runs (created with its folder when needed); a
    // damaged one is read as empty and written anew.
    explicit Loudness(const QString &cacheFile = defaultCacheFile(), QObject *parent = nullptr);
    // Stops the measurement under way (within a tenth of a second) and writes what is new.
    ~Loudness() override;

    static QString defaultCacheFile();

    // From memory, without waiting for the worker: cheap enough for the window's thread.
    double gainDb(const QString &path, bool albumGain) const;

    // The album folders whose music files are to be known; files of other folders are forgotten.
    void setLibrary(const QStringList &albumFolders);
    // The file that plays next: it and the rest of its album come before anything else.
    void prioritise(const QString &path);
    // While paused (a scan runs) the worker neither reads nor measures anything.
    void setPaused(bool paused);

    // Files of the library known, of all its files listed so far.
    int measured() const;
    int total() const;

Q_SIGNALS:
    void progressChanged(int measured, int total);

private:
    class Worker;
    std::unique_ptr<Worker> m_worker;
};

} // namespace lumetra
