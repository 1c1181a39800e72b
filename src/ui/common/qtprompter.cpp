#include "qtprompter.h"

#include "copyprogress.h"
#include "party/partylock.h"
#include "widgethelpers.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>

namespace lumetra {

Q_LOGGING_CATEGORY(lcPrompter, "lumetra.prompter", QtInfoMsg)

namespace {

const QString kTitle = QStringLiteral("Lumetra");

// A question shows the normal pointer, and no copy's progress dialog, even while the program is busy around
// it.
class ArrowWhileAsking
{
public:
    ArrowWhileAsking()
    {
        CopyProgress::closeDialog();
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() { QApplication::restoreOverrideCursor(); }
    ArrowWhileAsking(const ArrowWhileAsking &) = delete;
    ArrowWhileAsking &operator=(const ArrowWhileAsking &) = delete;
};

// What a box answers when it is dismissed or never shown: the answer that changes nothing.
Prompter::Answer refusal(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::OkCancel:
        return Prompter::Answer::Cancel;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    default:
        return Prompter::Answer::Ok;
    }
}

} // namespace

Prompter::Answer QtPrompter::message(const QString &text, Buttons buttons)
{
    if (m_dismissed)
        return refusal(buttons);
    const ArrowWhileAsking arrow;
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel)
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == Buttons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::Information, kTitle, QString(), standard, m_parent);
    qCDebug(lcPrompter).noquote() << "message:" << text;
    // Titles and folder names in the text are text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    m_open = &box;
    const int answer = box.exec();
    m_open = nullptr;
    if (m_dismissed)
        return refusal(buttons);
    switch (answer) {
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
    return ask(prompt, defaultText, QLineEdit::Normal);
}

std::optional<QString> QtPrompter::secret(const QString &prompt)
{
    return ask(prompt, {}, QLineEdit::Password);
}

std::optional<QString> QtPrompter::ask(const QString &prompt, const QString &defaultText,
                                       QLineEdit::EchoMode echo)
{
    if (m_dismissed)
        return std::nullopt;
    const ArrowWhileAsking arrow;
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(kTitle);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(echo);
    // The dialog has no text format of its own; its label shows the prompt literally.
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    // A PIN box takes what the lock dialog took, and refuses a digit more as it is typed.
    if (auto *field = dialog.findChild<QLineEdit *>(); field && echo == QLineEdit::Password)
        digitsOnly(field, PartyLock::kMaxDigits);
    dialog.setTextValue(defaultText);
    qCDebug(lcPrompter).noquote() << "input:" << prompt;
    m_open = &dialog;
    const int answer = dialog.exec();
    m_open = nullptr;
    if (answer != QDialog::Accepted || m_dismissed)
        return std::nullopt;
    return dialog.textValue();
}

void QtPrompter::dismiss()
{
    m_dismissed = true;
    if (m_open)
        m_open->reject();
}

} // namespace lumetra
