#include "letterbar.h"

#include "ui/common/pointerwidgets.h"

#include <QEvent>

#include <algorithm>

namespace lumetra {

LetterBar::LetterBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("letterbar"));
    setAccessibleName(tr("Letter bar"));
    setAutoFillBackground(true);
    for (int j = 0; j < kLetters; ++j) {
        auto *label = new PointerLabel(this);
        label->setObjectName(QStringLiteral("Charlabel_") + QString::number(j));
        label->setText(QString(caption(j)));
        label->setAccessibleName(QString(caption(j)));
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        // Tab and Shift+Tab walk the letters, Enter or Space jumps, as a click does.
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
        connect(label, &PointerLabel::pointed, this, [this, j] { highlight(j); });
        connect(label, &PointerLabel::pressed, this, [this, j](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                Q_EMIT letterClicked(j);
        });
        m_letters.push_back(label);
    }
    restyle();
}

bool LetterBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto at = std::find(m_letters.begin(), m_letters.end(), watched);
        if (at != m_letters.end())
            highlight(static_cast<int>(at - m_letters.begin()));
    }
    return QFrame::eventFilter(watched, event);
}

void LetterBar::setColors(const QColor &text, const QColor &background)
{
    m_text = text;
    m_background = background;
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    restyle();
}

void LetterBar::highlight(int j)
{
    if (j == m_highlighted)
        return;
    m_highlighted = j;
    restyle();
}

void LetterBar::restyle()
{
    for (int j = 0; j < kLetters; ++j) {
        const bool lit = j == m_highlighted;
        m_letters[j]->setStyleSheet(
            QStringLiteral(
                "QLabel { color: %1; font-family: 'DejaVu Sans'; font-size: 12pt; font-weight: bold;"
                " border: 1px solid %2; border-radius: 4px; background: %3; }")
                .arg(m_text.name(), lit ? m_text.name() : QStringLiteral("transparent"),
                     lit ? QStringLiteral("rgba(%1, %2, %3, 60)")
                               .arg(m_text.red())
                               .arg(m_text.green())
                               .arg(m_text.blue())
                         : QStringLiteral("transparent")));
    }
}

} // namespace lumetra
