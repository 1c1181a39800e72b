#include "loudnessbench.h"

#include "audiofile.h"
#include "synth.h"

#include "loudness/loudness.h"
#include "loudness/measurement.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <vector>

namespace lumetra::bench {

namespace {

double cpuMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A minute of one album's tunes, one after another.
demo::Audio minuteOfMusic(std::uint64_t seed)
{
    const demo::AlbumStyle style = demo::styleFor(seed);
    demo::Audio minute;
    for (std::uint64_t track = 0; minute.seconds() < 60; ++track) {
        const demo::Audio tune = demo::renderTrack(style, seed * 100 + track);
        minute.left.insert(minute.left.end(), tune.left.begin(), tune.left.end());
        minute.right.insert(minute.right.end(), tune.right.begin(), tune.right.end());
    }
    return minute;
}

QStringList makeFiles(const QString &folder, QString *error)
{
    QDir().mkpath(folder);
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        const QString path = folder + QStringLiteral("/%1.%2").arg(i).arg(i % 2 ? u"ogg" : u"mp3");
        files.append(path);
        if (QFileInfo::exists(path))
            continue;
        const demo::Audio audio = minuteOfMusic(i + 1);
        if (!(i % 2 ? demo::writeOgg(path, audio, {}, i, error) : demo::writeMp3(path, audio, {}, error)))
            return {};
    }
    return files;
}

} // namespace

int loudnessBench(const Options &options)
{
    QTemporaryDir work;
    const QString folder =
        (options.library.isEmpty() ? work.path() : options.library) + QStringLiteral("/loudness");
    QString error;
    const QStringList files = makeFiles(folder, &error);
    if (files.isEmpty()) {
        std::fprintf(stderr, "cannot write the music: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<double> decodes, measures, stalls, stallWork;
    double minutes = 0;
    for (int run = 0; run < 4; ++run) {
        const double before = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        minutes = 0;
        for (const QString &file : files) {
            const auto decoded = measureLoudness(
                file, [] { return true; }, &error, MeasureWork::DecodeOnly);
            minutes += decoded ? decoded->seconds / 60 : 0;
        }
        decodes.push_back((cpuMs(CLOCK_PROCESS_CPUTIME_ID) - before) / minutes);

        // The window's thread asks for a gain every millisecond while the worker measures.
        const QTemporaryDir cache;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(1);
        QElapsedTimer sinceTurn;
        double longest = 0, longestWork = 0, turnCpu = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double gap = sinceTurn.nsecsElapsed() / 1e6, cpu = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            if (gap > longest) {
                longest = gap;
                longestWork = cpu - turnCpu;
            }
            sinceTurn.restart();
            turnCpu = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        });
        const double windowBefore = cpuMs(CLOCK_THREAD_CPUTIME_ID),
                     allBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        {
            Loudness loudness(cache.filePath(QStringLiteral("loudness")));
            QObject::connect(&tick, &QTimer::timeout, [&] { loudness.gainDb(files.first(), true); });
            sinceTurn.start();
            turnCpu = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            tick.start();
            loudness.setLibrary({folder});
            while (loudness.total() == 0 || loudness.measured() < loudness.total())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            tick.stop();
        }
        const double window = cpuMs(CLOCK_THREAD_CPUTIME_ID) - windowBefore;
        measures.push_back((cpuMs(CLOCK_PROCESS_CPUTIME_ID) - allBefore - window) / minutes);
        stalls.push_back(longest);
        stallWork.push_back(longestWork);
    }
    // The first run warmed the file cache and the code.
    for (auto *figures : {&decodes, &measures, &stalls, &stallWork})
        figures->erase(figures->begin());
    std::fprintf(stderr, "%.1f minutes of music in %lld files\n", minutes,
                 static_cast<long long>(files.size()));
    printLine("loudness-measure", median(measures), median(decodes), "ms",
              QStringLiteral("(processor time per minute of audio; floor: decoding alone; target <= 1.5)"));
    printLine("loudness-stall", slowest(stalls), 50, "ms",
              QStringLiteral("(longest wait of the window's event loop while measuring, %1 ms of it the "
                             "window's own work; floor: the allowed stall)")
                  .arg(slowest(stallWork), 0, 'f', 1));
    return 0;
}

} // namespace lumetra::bench
