#include "fakes.h"

namespace lumetra::test {

namespace {
template <typename T> std::optional<T> take(std::deque<T> &script)
{
    if (script.empty())
        return std::nullopt;
    T value = script.front();
    script.pop_front();
    return value;
}
} // namespace

Prompter::Answer FakePrompter::message(const QString &text, Buttons)
{
    messages.append(text);
    return take(answers).value_or(Answer::Ok);
}

void FakePlayer::play()
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

std::optional<QString> FakePrompter::input(const QString &prompt, const QString &)
{
    prompts.append(prompt);
    return take(inputs).value_or(std::nullopt);
}

std::optional<QColor> FakeDialogs::color(const QColor &)
{
    asked.append(QStringLiteral("color"));
    return take(colors);
}

std::optional<Dialogs::Font> FakeDialogs::font(const Font &initial)
{
    asked.append(QStringLiteral("font %1 %2 %3").arg(initial.name).arg(initial.size).arg(initial.bold));
    return std::nullopt;
}

std::optional<QString> FakeDialogs::openFile(const QString &filter, const QString &folder)
{
    asked.append(QStringLiteral("file %1 %2").arg(filter, folder));
    return take(files);
}

void FakePlayer::setVolume(int volume)
{
    if (volume == m_volume)
        return;
    m_volume = volume;
    Q_EMIT volumeChanged(volume);
}

} // namespace lumetra::test
