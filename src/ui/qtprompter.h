#pragma once

#include "core/prompter.h"

class QWidget;

namespace lumetra {

// Message and input boxes titled "Lumetra", modal over `parent`.
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

private:
    QWidget *m_parent;
};

} // namespace lumetra
