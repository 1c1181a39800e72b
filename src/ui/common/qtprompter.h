#pragma once

#include "core/prompter.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>

class QWidget;

namespace lumetra {

// Message and input boxes titled "Lumetra", modal over `parent`; the texts they show are plain text.
class QtPrompter final : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, Buttons buttons = Buttons::Ok) override;
    std::optional<QString> input(const QString &prompt, const QString &defaultText = {}) override;
    std::optional<QString> secret(const QString &prompt) override;

    // Closes the box that is up and answers every later one at once, with the answer that changes nothing
    // (Cancel, No, no text): the program is ending.
    void dismiss();

private:
    std::optional<QString> ask(const QString &prompt, const QString &defaultText, QLineEdit::EchoMode echo);

    QWidget *m_parent;
    QPointer<QDialog> m_open;
    bool m_dismissed = false;
};

} // namespace lumetra
