#include "qtprompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace lumetra {

namespace {

const QString kTitle = QStringLiteral("Lumetra");

// A question shows the normal pointer even while the program is busy around it.
class ArrowWhileAsking
{
public:
    ArrowWhileAsking() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QApplication::restoreOverrideCursor(); }
    ArrowWhileAsking(const ArrowWhileAsking &) = delete;
    ArrowWhileAsking &operator=(const ArrowWhileAsking &) = delete;
};

} // namespace

Prompter::Answer QtPrompter::message(const QString &text, Buttons buttons)
{
    const ArrowWhileAsking arrow;
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel)
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == Buttons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    switch (QMessageBox::information(m_parent, kTitle, text, standard)) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

std::optional<QString> QtPrompter::input(const QString &prompt, const QString &defaultText)
{
    const ArrowWhileAsking arrow;
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, kTitle, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace lumetra
