#pragma once

#include "core/dialogs.h"
#include "core/prompter.h"
#include "core/randomsource.h"
#include "core/shell.h"
#include "playback/mediaplayer.h"

#include <QStringList>

#include <deque>

namespace lumetra::test {

// The next answer of a script, or none once it is used up.
template <typename T> std::optional<T> take(std::deque<T> &script)
{
    if (script.empty())
        return std::nullopt;
    T value = script.front();
    script.pop_front();
    return value;
}

// Records every message and answers input boxes from a script.
class FakePrompter final : public Prompter
{
public:
    Answer message(const QString &text, Buttons = Buttons::Ok) override
    {
        messages.append(text);
        return take(answers).value_or(Answer::Ok);
    }
    std::optional<QString> input(const QString &prompt, const QString & = {}) override
    {
        prompts.append(prompt);
        return take(inputs).value_or(std::nullopt);
    }

    QStringList messages;
    QStringList prompts;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
};

// Answers the colour and file dialogs from scripts; an empty script, and every other dialog, cancels.
class FakeDialogs final : public Dialogs
{
public:
    std::optional<QColor> color(const QColor &) override
    {
        asked.append(QStringLiteral("color"));
        return take(colors);
    }
    std::optional<Font> font(const Font &initial) override
    {
        asked.append(QStringLiteral("font %1 %2 %3").arg(initial.name).arg(initial.size).arg(initial.bold));
        return std::nullopt;
    }
    std::optional<QString> openFile(const QString &filter, const QString &folder) override
    {
        asked.append(QStringLiteral("file %1 %2").arg(filter, folder));
        return take(files);
    }
    std::optional<QString> folder(const QString &, const QString &) override { return std::nullopt; }
    std::optional<QString> saveFile(const QString &, const QString &) override { return std::nullopt; }

    std::deque<QColor> colors;
    std::deque<QString> files;
    QStringList asked; // "color", "font Verdana 8 1", "file <filter> <folder>"
};

// Records what would have been opened.
class FakeShell final : public Shell
{
public:
    bool open(const QString &path) override
    {
        opened.append(path);
        return true;
    }
    QStringList opened;
};

// A player that plays nothing; tests drive its state reports. A file loads at once when played, unless it
// is one of `broken` (reported failed at once, from inside play) or `stalled` (never loads).
class FakePlayer final : public MediaPlayer
{
public:
    void setUrl(const QString &path) override
    {
        m_url = path;
        m_loaded = false;
    }
    QString url() const override { return m_url; }
    void play() override
    {
        m_playing = true;
        m_paused = false;
        ++plays;
        if (m_loaded || m_url.isEmpty() || stalled.contains(m_url))
            return;
        if (broken.contains(m_url)) {
            m_playing = false;
            Q_EMIT failed(m_url, QStringLiteral("broken"));
            return;
        }
        at = 0;
        m_loaded = true;
        Q_EMIT loaded();
    }
    void pause() override
    {
        m_playing = false;
        m_paused = true;
    }
    void stop() override
    {
        m_playing = false;
        m_paused = false;
        ++stops;
    }
    bool isPlaying() const override { return m_playing; }
    bool isPaused() const override { return m_paused; }
    bool isLoaded() const override { return m_loaded; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override
    {
        if (volume == m_volume)
            return;
        m_volume = volume;
        Q_EMIT volumeChanged(volume);
    }
    qint64 position() const override { return at; }
    qint64 duration() const override { return 0; }
    void setPosition(qint64 ms) override { at = ms; }
    void setGain(double) override {}
    void setNext(const QString &path, Join join, double) override
    {
        next = path;
        nextJoin = join;
    }
    void setCrossfade(int) override {}

    int plays = 0;
    int stops = 0;
    qint64 at = 0;
    QStringList broken;
    QStringList stalled;
    QString next;
    Join nextJoin = Join::Gapless;

private:
    QString m_url;
    bool m_playing = false;
    bool m_paused = false;
    bool m_loaded = false;
    int m_volume = 50;
};

// Numbers in [0, 1) from a script, then 0 once the script is used up.
class ScriptedRandom final : public RandomSource
{
public:
    double next() override
    {
        ++draws;
        if (script.empty())
            return 0;
        const double r = script.front();
        script.pop_front();
        return r;
    }
    std::deque<double> script;
    int draws = 0;
};

} // namespace lumetra::test
