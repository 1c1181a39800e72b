#include "fakes.h"

namespace lumetra::test {

Prompter::Answer FakePrompter::message(const QString &text, Buttons)
{
    messages.append(text);
    if (answers.empty())
        return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakePrompter::input(const QString &prompt, const QString &)
{
    prompts.append(prompt);
    if (inputs.empty())
        return std::nullopt;
    const bool answered = inputs.front().has_value();
    const QString text = inputs.front().value_or(QString());
    inputs.pop_front();
    return answered ? std::optional<QString>(text) : std::nullopt;
}

void FakePlayer::setVolume(int volume)
{
    if (volume == m_volume)
        return;
    m_volume = volume;
    Q_EMIT volumeChanged(volume);
}

} // namespace lumetra::test
