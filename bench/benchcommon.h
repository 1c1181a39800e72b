#pragma once

#include "core/prompter.h"

#include <QString>

#include <optional>
#include <vector>

namespace lumetra::bench {

// What every benchmark is given on its command line.
struct Options {
    int albums = 10000;
    // Where generated libraries are kept for the next run; empty: a temporary folder, removed at the end.
    QString library;
};

double median(std::vector<double> values);
double slowest(const std::vector<double> &values);
// The process's peak resident memory, in kB.
qint64 peakRssKb();
// The process's resident memory now, in kB.
qint64 residentKb();
// Milliseconds a program run takes, its output thrown away; -1 when it cannot run.
double runMs(const QString &program, const QStringList &arguments);

// Processor time in ms, in user space and in the kernel: this process's so far, or that of the programs it
// has run and waited for.
struct Cpu {
    double userMs = 0;
    double systemMs = 0;
    Cpu operator-(const Cpu &earlier) const { return {userMs - earlier.userMs, systemMs - earlier.systemMs}; }
};
Cpu ownCpu();
Cpu childrenCpu();

// One line: "name: value floor: value ratio: R", then what the figure is held to.
void printLine(const char *name, double value, double floor, const char *unit, const QString &note);

class SilentPrompter final : public Prompter
{
public:
    Answer message(const QString &text, Buttons) override;
    std::optional<QString> input(const QString &, const QString &) override { return std::nullopt; }
};

} // namespace lumetra::bench
