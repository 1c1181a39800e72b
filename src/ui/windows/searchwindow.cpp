#include "searchwindow.h"

#include "core/prompter.h"
#include "search/searchrunner.h"
#include "ui/common/look.h"
#include "ui/common/widgethelpers.h"

#include <QAbstractListModel>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QtMath>

#include <algorithm>
#include <climits>

namespace lumetra {

// The runner's results, each line made when the list shows it. The list lays out only the rows it has been
// given: the first 10,000 at first and 10,000 more each time it is scrolled to its end.
class SearchResults : public QAbstractListModel
{
public:
    static constexpr int kRowsAtOnce = 10000;

    SearchResults(const SearchRunner &runner, QObject *parent)
        : QAbstractListModel(parent)
        , m_runner(runner)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows)
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return m_runner.line(index.row());
        return {};
    }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_rows < m_runner.count();
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (!parent.isValid())
            showUpTo(m_limit + kRowsAtOnce);
    }
    // The runner has more results: rows for them as far as the list has been scrolled.
    void arrived() { showUpTo(m_limit); }
    void clear()
    {
        beginResetModel();
        m_rows = 0;
        m_limit = kRowsAtOnce;
        endResetModel();
    }

private:
    void showUpTo(qsizetype limit)
    {
        m_limit = limit;
        const int rows = static_cast<int>(std::min({m_runner.count(), limit, qsizetype(INT_MAX)}));
        if (rows <= m_rows)
            return;
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }

    const SearchRunner &m_runner;
    int m_rows = 0;
    qsizetype m_limit = kRowsAtOnce;
};

namespace {

// The status line sits on the colour of the search box and the list beside it, unless text and that colour
// are too alike to read; then on black or white, whichever stands off the text more.
QColor statusBackground(const SearchWindow::Look &look)
{
    constexpr double kReadable = 3.0;
    if (contrastRatio(look.text, look.background) >= kReadable)
        return look.background;
    return contrastRatio(look.text, Qt::black) > contrastRatio(look.text, Qt::white) ? QColor(Qt::black)
                                                                                     : QColor(Qt::white);
}

} // namespace

SearchWindow::SearchWindow(const QString &cataloguePath, Prompter &prompter,
                           std::function<bool(const QString &)> jump, const Look &look, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_jump(std::move(jump))
    , m_runner(new SearchRunner(cataloguePath, this))
    , m_results(new SearchResults(*m_runner, this))
    , m_status(new QLabel(this))
    , m_count(new QLabel(this))
    , m_text(new QLineEdit(this))
    , m_list(new QListView(this))
{
    setObjectName(QStringLiteral("Search"));
    setWindowTitle(tr("Search for track names"));
    setAccessibleName(tr("Search for track names"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 520);

    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image1"));
    background->setScaledContents(true);
    background->setPixmap(QPixmap(look.picture));
    setDecorative(background);

    // The status line's text is its accessible name; what it is for, its description.
    m_status->setObjectName(QStringLiteral("Label1"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setAccessibleDescription(tr("Search status"));
    m_status->setMargin(4);
    m_status->setAutoFillBackground(true);
    setPanelColors(m_status, statusBackground(look), look.text);
    m_count->setObjectName(QStringLiteral("resultCount"));
    m_count->setTextFormat(Qt::PlainText);
    m_count->setAccessibleDescription(tr("Number of results"));
    m_count->setMargin(2);
    m_count->setAutoFillBackground(true);
    setPanelColors(m_count, statusBackground(look), look.text);
    m_count->hide();
    m_text->setObjectName(QStringLiteral("Text3"));
    m_text->setAccessibleName(tr("Search text"));
    m_list->setObjectName(QStringLiteral("List3"));
    m_list->setAccessibleName(tr("Search results"));
    m_list->setModel(m_results);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->viewport()->installEventFilter(this);
    auto *find = new QPushButton(tr("Find"), this);
    find->setObjectName(QStringLiteral("Command1"));

    const QString colours =
        QStringLiteral("color: %1; background: %2;").arg(cssColor(look.text), cssColor(look.background));
    m_text->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(colours));
    m_list->setStyleSheet(QStringLiteral("QListView { %1 }").arg(colours));
    // The picture fills the window behind the controls.
    auto *layout = new QGridLayout(this);
    layout->addWidget(background, 0, 0, 4, 2);
    layout->addWidget(m_status, 0, 0, 1, 2);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(find, 1, 1);
    layout->addWidget(m_list, 2, 0, 1, 2);
    layout->addWidget(m_count, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
    background->lower();

    setTabOrder(m_text, find);
    setTabOrder(find, m_list);
    // Enter on a result is a double-click on it.
    m_list->installEventFilter(this);

    connect(find, &QPushButton::clicked, this, &SearchWindow::finder);
    connect(m_text, &QLineEdit::returnPressed, this, &SearchWindow::finder);
    // A search for a text the box no longer holds is of no use.
    connect(m_text, &QLineEdit::textEdited, this, [this] {
        if (!m_runner->isSearching())
            return;
        m_runner->stop();
        m_results->clear();
        showCount();
        unsetCursor();
        setStatus(prompt());
    });
    connect(m_runner, &SearchRunner::found, this, [this] {
        m_results->arrived();
        showCount();
    });
    connect(m_results, &QAbstractItemModel::rowsInserted, this, &SearchWindow::showCount);
    connect(m_runner, &SearchRunner::finished, this, [this](qsizetype count) {
        unsetCursor();
        setStatus(count == 0 ? tr("No matches found! Try a simpler search perhaps?")
                             : tr("Double-click on any result to move to that album..."));
        Q_EMIT searchFinished();
    });
    setStatus(prompt());
}

SearchWindow::~SearchWindow() = default;

QString SearchWindow::prompt() const
{
    return tr("Type in a track-name search string, e.g. \"Jude\" or \"last night\"...");
}

void SearchWindow::setStatus(const QString &text)
{
    m_status->setText(text);
}

void SearchWindow::setText(const QString &text)
{
    m_text->setText(text);
}

void SearchWindow::finder()
{
    setStatus(tr("Searching..."));
    setCursor(Qt::BusyCursor);
    m_results->clear();
    m_runner->start(m_text->text());
    showCount();
}

void SearchWindow::showCount()
{
    const qsizetype found = m_runner->count();
    const int shown = m_results->rowCount();
    const QLocale locale;
    if (found > shown)
        m_count->setText(
            tr("%1 results; showing the first %2").arg(locale.toString(found), locale.toString(shown)));
    else
        m_count->setText(found == 1 ? tr("1 result") : tr("%1 results").arg(locale.toString(found)));
    m_count->setVisible(found > 0);
}

bool SearchWindow::isSearching() const
{
    return m_runner->isSearching();
}

bool SearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A double-click anywhere on the list takes the selected line, or finds none.
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex at = m_list->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (at.isValid())
            m_list->setCurrentIndex(at);
        const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
        jumpTo(selected.isEmpty() ? -1 : selected.first().row());
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            jumpTo(m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::closeEvent(QCloseEvent *event)
{
    m_runner->stop();
    QWidget::closeEvent(event);
}

void SearchWindow::jumpTo(int row)
{
    if (row < 0 || row >= m_results->rowCount() || !m_jump(m_runner->title(row))) {
        m_prompter.message(tr("Error - not found!"));
        return;
    }
    close();
}

QStringList SearchWindow::results() const
{
    QStringList lines;
    for (int row = 0; row < m_results->rowCount(); ++row)
        lines.append(m_runner->line(row));
    return lines;
}

qsizetype SearchWindow::resultCount() const
{
    return m_runner->count();
}

QString SearchWindow::countText() const
{
    return m_count->isHidden() ? QString() : m_count->text();
}

QString SearchWindow::status() const
{
    return m_status->text();
}

} // namespace lumetra
