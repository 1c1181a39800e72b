#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QWidget;

namespace lumetra {

// The main window's pop-up menus: Mode (mnuMode), Options (mnuoptions), the cover menu (mnurt), the queue
// menu (men1) and the collection editor's menu (mnucolledit). Each command is reported by its own signal.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    // The menus are children of `window`, so they close with it.
    explicit MainMenus(QWidget *window);

    void popupMode(const QPoint &globalPos);
    void popupOptions(const QPoint &globalPos);
    void popupCover(const QPoint &globalPos);
    void popupQueue(const QPoint &globalPos);
    void popupCollEdit(const QPoint &globalPos);

Q_SIGNALS:
    // Mode
    void normalPlay();
    void shuffleAll();
    void jukebox();
    void collections();
    // Options
    void search();
    void addNewAlbum();
    void settings();
    void listAlbumsInBrowser();
    void importPlaylist();
    // The cover menu, for the slot last pointed at or right-clicked
    void playShuffled();
    void listSongs();
    void getCoverArt();
    void explore();
    void skipInShuffle();
    void playInShuffle();
    void addSongs();
    void renameAlbum();
    void deleteAlbum();
    // The queue menu and the collection editor's menu
    void moveToTop();
    void deleteFromPlaylist();
    void removeThisAlbum();

private:
    QMenu *m_mode;
    QMenu *m_options;
    QMenu *m_cover;
    QMenu *m_queue;
    QMenu *m_collEdit;
};

} // namespace lumetra
