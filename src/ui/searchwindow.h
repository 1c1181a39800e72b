#pragma once

#include "search/tracksearch.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace lumetra {

class Prompter;

// "Search for track names": searches a snapshot of the catalogue taken when it opens and jumps the wall
// to a result's album on a double-click.
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

    void finder();
    void jumpTo(int row);
    QStringList results() const;
    QString status() const;
    void setText(const QString &text);

private:
    Prompter &m_prompter;
    std::function<bool(const QString &)> m_jump;
    TrackSearch m_search;
    TrackSearch::Results m_results;
    QLabel *m_status;
    QLineEdit *m_text;
    QListWidget *m_list;
};

} // namespace lumetra
