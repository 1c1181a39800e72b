#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;

namespace lumetra {

class Prompter;
class SearchResults;
class SearchRunner;

// "Search for track names": searches a snapshot of the catalogue taken when it opens and jumps the wall
// to a result's album on a double-click. The search runs on a worker thread and its results appear as they
// are found; editing the text or closing the window stops it.
class SearchWindow : public QWidget
{
    Q_OBJECT
public:
    struct Look {
        QColor background;
        QColor text;
        QString picture;
    };
    // `jump` moves the wall to the first album of that exact title; false when there is none.
    SearchWindow(const QString &cataloguePath, Prompter &prompter, std::function<bool(const QString &)> jump,
                 const Look &look, QWidget *parent = nullptr);
    ~SearchWindow() override;

    // Starts a search for the text in the box; the results replace the list's as they come.
    void finder();
    bool isSearching() const;
    // Jumps to the album of result `row` and closes; "Error - not found!" when there is none.
    void jumpTo(int row);
    // The lines the list holds so far, the results found, and the line that counts them (empty when none).
    QStringList results() const;
    qsizetype resultCount() const;
    QString countText() const;
    QString status() const;
    void setText(const QString &text);

Q_SIGNALS:
    void searchFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setStatus(const QString &text);
    void showCount();
    QString prompt() const;

    Prompter &m_prompter;
    std::function<bool(const QString &)> m_jump;
    SearchRunner *m_runner;
    SearchResults *m_results;
    QLabel *m_status;
    QLabel *m_count;
    QLineEdit *m_text;
    QListView *m_list;
};

} // namespace lumetra
