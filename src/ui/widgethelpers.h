#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>

namespace lumetra {

// Small builders the windows share: controls carry their design names so tests and tools can find them.

inline QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

inline QPushButton *namedButton(const QString &name, const QString &text, QWidget *parent,
                                const QString &tip = {})
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

// A colour as a style sheet writes it.
inline QString cssColor(const QColor &color)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

// A panel's background and text in the wall's colours.
inline void setPanelColors(QWidget *panel, const QColor &back, const QColor &text)
{
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    panel->setPalette(p);
}

} // namespace lumetra
