#pragma once

#include <QString>

#include <optional>

namespace lumetra {

// Message and input boxes titled "Lumetra". The windows use QtPrompter; tests record what is shown.
class Prompter
{
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;
    virtual Answer message(const QString &text, Buttons buttons = Buttons::Ok) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &defaultText = {}) = 0;
    // An input box whose text is not shown as it is typed (a PIN).
    virtual std::optional<QString> secret(const QString &prompt) { return input(prompt); }
};

} // namespace lumetra
