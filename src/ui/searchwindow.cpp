#include "searchwindow.h"

#include "core/prompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lumetra {

SearchWindow::SearchWindow(const QString &cataloguePath, Prompter &prompter,
                           std::function<bool(const QString &)> jump, const Look &look, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_jump(std::move(jump))
    , m_status(new QLabel(this))
    , m_text(new QLineEdit(this))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("Search"));
    setWindowTitle(QStringLiteral("Search for track names"));
    setAccessibleName(QStringLiteral("Search for track names"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 520);

    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image1"));
    background->setScaledContents(true);
    background->setPixmap(QPixmap(look.picture));
    background->lower();

    m_status->setObjectName(QStringLiteral("Label1"));
    m_status->setWordWrap(true);
    m_status->setAccessibleName(QStringLiteral("Search status"));
    m_text->setObjectName(QStringLiteral("Text3"));
    m_text->setAccessibleName(QStringLiteral("Search text"));
    m_list->setObjectName(QStringLiteral("List3"));
    m_list->setAccessibleName(QStringLiteral("Search results"));
    auto *find = new QPushButton(QStringLiteral("Find"), this);
    find->setObjectName(QStringLiteral("Command1"));

    const QString colours = QStringLiteral("color: rgb(%1, %2, %3); background: rgb(%4, %5, %6);")
                                .arg(look.text.red())
                                .arg(look.text.green())
                                .arg(look.text.blue())
                                .arg(look.background.red())
                                .arg(look.background.green())
                                .arg(look.background.blue());
    m_text->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(colours));
    m_list->setStyleSheet(QStringLiteral("QListWidget { %1 }").arg(colours));
    m_status->setStyleSheet(QStringLiteral("QLabel { color: rgb(%1, %2, %3); }")
                                .arg(look.text.red())
                                .arg(look.text.green())
                                .arg(look.text.blue()));
    // The picture fills the window behind the controls.
    auto *layout = new QGridLayout(this);
    layout->addWidget(background, 0, 0, 3, 2);
    layout->addWidget(m_status, 0, 0, 1, 2);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(find, 1, 1);
    layout->addWidget(m_list, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);
    background->lower();

    connect(find, &QPushButton::clicked, this, &SearchWindow::finder);
    connect(m_text, &QLineEdit::returnPressed, this, &SearchWindow::finder);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { jumpTo(m_list->row(item)); });

    m_search.load(cataloguePath);
    m_status->setText(
        QStringLiteral("Type in a track-name search string, e.g. \"Jude\" or \"last night\"..."));
}

void SearchWindow::setText(const QString &text)
{
    m_text->setText(text);
}

void SearchWindow::finder()
{
    m_status->setText(QStringLiteral("Searching..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_results = m_search.find(m_text->text());
    // One update of the list, not a repaint per row.
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addItems(m_results.lines);
    m_list->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    m_status->setText(m_results.lines.isEmpty()
                          ? QStringLiteral("No matches found! Try a simpler search perhaps?")
                          : QStringLiteral("Double-click on any result to move to that album..."));
}

void SearchWindow::jumpTo(int row)
{
    const QString title = row >= 0 && row < m_results.titles.size() ? m_results.titles[row] : QString();
    if (row < 0 || !m_jump(title)) {
        m_prompter.message(QStringLiteral("Error - not found!"));
        return;
    }
    close();
}

QStringList SearchWindow::results() const
{
    return m_results.lines;
}

QString SearchWindow::status() const
{
    return m_status->text();
}

} // namespace lumetra
