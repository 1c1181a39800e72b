#pragma once

#include "wall/skippedalbums.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace lumetra {

// "Albums skipped in shuffle": the albums marked "No", and a button that lets the selected one play in
// Shuffle All again. Shows what it is given; reports the choice.
class SkippedAlbumsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SkippedAlbumsWindow(QWidget *parent = nullptr);

    void setAlbums(const QList<SkippedAlbums::Album> &albums);
    QStringList titles() const;
    void select(int row);
    void playSelectedAgain();

Q_SIGNALS:
    void playAgainWanted(const QString &id);

private:
    void updateButton();

    QList<SkippedAlbums::Album> m_albums;
    QLabel *m_caption;
    QListWidget *m_list;
    QPushButton *m_playAgain;
};

} // namespace lumetra
