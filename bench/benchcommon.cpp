#include "benchcommon.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace lumetra::bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double slowest(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

namespace {
qint64 statusKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
} // namespace

qint64 peakRssKb()
{
    return statusKb("VmHWM:");
}

qint64 residentKb()
{
    return statusKb("VmRSS:");
}

double runMs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return clock.nsecsElapsed() / 1e6;
}

namespace {
Cpu cpuOf(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {ms(usage.ru_utime), ms(usage.ru_stime)};
}
} // namespace

Cpu ownCpu()
{
    return cpuOf(RUSAGE_SELF);
}

Cpu childrenCpu()
{
    return cpuOf(RUSAGE_CHILDREN);
}

void printLine(const char *name, double value, double floor, const char *unit, const QString &note)
{
    std::printf("%s: %.1f%s floor: %.1f%s ratio: %.2f %s\n", name, value, unit, floor, unit,
                floor > 0 ? value / floor : 0.0, qPrintable(note));
    std::fflush(stdout);
}

Prompter::Answer SilentPrompter::message(const QString &text, Buttons)
{
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return Answer::Ok;
}

} // namespace lumetra::bench
