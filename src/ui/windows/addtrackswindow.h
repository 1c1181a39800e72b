#pragma once

#include <QWidget>

namespace lumetra {

class AlbumCommands;
class DropList;

// "Add tracks" (Form4): files dropped on its list are copied into the album chosen when it was opened.
class AddTracksWindow : public QWidget
{
    Q_OBJECT
public:
    AddTracksWindow(AlbumCommands &commands, const QString &picture, QWidget *parent = nullptr);

    // The album folder the tracks go to; choosing "Add songs" again for another album changes it.
    void setTarget(const QString &albumPath) { m_target = albumPath; }
    QString target() const { return m_target; }
    QStringList entries() const;

    void addEntries(const QStringList &paths);
    void okay();

Q_SIGNALS:
    // The tracks were copied; the open album's track list may have grown.
    void copied();

private:
    AlbumCommands &m_commands;
    QString m_target;
    DropList *m_list;
};

// "Track Listing" (Form3): an album's title and track names.
class TrackListingWindow : public QWidget
{
    Q_OBJECT
public:
    TrackListingWindow(const QString &title, const QStringList &tracks, QWidget *parent = nullptr);
};

} // namespace lumetra
