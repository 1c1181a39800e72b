#pragma once

#include "core/prompter.h"
#include "playback/mediaplayer.h"

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

// A player that plays nothing. With `loads`, every file loads at once when played; a file never ends by
// itself.
class QuietPlayer final : public MediaPlayer
{
public:
    explicit QuietPlayer(bool loads = false)
        : m_loads(loads)
    {
    }
    void setUrl(const QString &path) override { m_url = path; }
    QString url() const override { return m_url; }
    void play() override
    {
        m_playing = true;
        ++plays;
        if (m_loads)
            Q_EMIT loaded();
    }
    void pause() override { m_playing = false; }
    void stop() override { m_playing = false; }
    bool isPlaying() const override { return m_playing; }
    bool isPaused() const override { return false; }
    bool isLoaded() const override { return m_playing; }
    int volume() const override { return 50; }
    void setVolume(int) override {}
    qint64 position() const override { return 0; }
    qint64 duration() const override { return 0; }
    void setPosition(qint64) override {}
    void setGain(double) override {}
    void setNext(const QString &, Join, double) override {}
    void setCrossfade(int) override {}

    int plays = 0;

private:
    const bool m_loads;
    QString m_url;
    bool m_playing = false;
};

class SilentPrompter final : public Prompter
{
public:
    Answer message(const QString &text, Buttons) override;
    std::optional<QString> input(const QString &, const QString &) override { return std::nullopt; }
};

} // namespace lumetra::bench
