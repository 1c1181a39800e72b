#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace lumetra {

class AppFolder;
class MediaPlayer;
class Playback;
class PlaybackView;
class Prompter;
class RandomSource;
class RecordView;

// The rows of the list of collections in pixels: picture tops, the inner panel's height and the scroll bar.
struct CollectionRows {
    std::vector<int> pictureTops;
    std::vector<int> labelTops;
    int innerHeight = 0;
    bool scrollEnabled = false;
    int scrollMax = 0;
    int smallStep = 1;
    int largeStep = 1;
};
CollectionRows collpicsLayout(int rows, int viewportHeight);

// Collections mode: the list of collection files, loading one, picking its tracks (collrandomiser), and
// making, editing, saving and deleting collections. Holds the frame's state; the window renders it.
class Collections
{
    Q_DECLARE_TR_FUNCTIONS(Collections)
public:
    // What the collections frame shows.
    struct Buttons {
        bool myColls = true;   // Command1 "My Colls."
        bool newColl = true;   // NewColl "New"
        bool saveNew = false;  // CollSave "Save"
        bool remove = false;   // Command2 "Delete"
        bool edit = false;     // CollEdit "Edit"
        bool saveEdit = false; // Command3 "Save", shown (in Edit's place) and enabled while editing
        bool cover = true;     // Image14 enabled
        bool operator==(const Buttons &) const = default;
    };

    Collections(Playback &playback, RecordView &songs, const AppFolder &app, MediaPlayer &player,
                Prompter &prompter, RandomSource &random, PlaybackView &view);

    const Buttons &buttons() const { return m_buttons; }
    bool listShown() const { return m_listShown; } // outpic and its scroll bar
    bool rowsShown() const { return m_rowsShown; } // false when there is no collection file
    const QStringList &rows() const { return m_rows; }
    const QString &status() const { return m_status; }      // Label4
    const QString &coverPicture() const { return m_cover; } // Image14
    bool chosen() const { return m_chosen; }
    const QString &collectionName() const { return m_name; }

    void mnucoll();             // Mode > Collections
    void myColls();             // "My Colls."
    void collpicclick(int row); // a click on row `row`
    void collrandomiser();
    void coverClicked(const QString &title);
    void newColl();          // "New"
    void saveNew();          // "Save" of a new collection
    void edit();             // "Edit"
    void saveEdit();         // the second "Save"
    void deleteCollection(); // "Delete"

    // The loaded collection's albums, every track of each, as an .m3u8 playlist. False when no collection
    // is loaded or the file cannot be written (which is said).
    bool exportPlaylist(const QString &file);
    // A collection of the albums whose folders hold the playlist's tracks, named after the playlist (a
    // free name: an existing collection is never replaced). The playlist is read on a worker thread; the
    // collection is made on this one afterwards, and `done` hears whether it was (not when no track belongs
    // to an album, which is said).
    void importPlaylist(const QString &file, const std::function<void(bool)> &done = {});
    // A playlist the user opened (command line, menu): imported, then shown in Collections mode, which is
    // entered unless it is on already.
    void openPlaylist(const QString &file, const std::function<void(bool)> &done = {});

private:
    // Party mode's pick shown as up next; false when there is none or it can no longer be played.
    bool playUpNext();
    // Plays `file` of the album in `folder` and shows its cover and name.
    void play(const QString &folder, const QString &file, const QString &picture);
    void listFiles();
    void showList();
    void noCollections();
    void setTitle(const QString &title);
    // The collection of `albums` (titles), named after the playlist `file`.
    bool makeCollection(const QString &file, const QStringList &albums);
    bool writeCollection(const QString &title);
    QString freeTitle(QString title) const;

    Playback &m_playback;
    RecordView &m_songs;
    const AppFolder &m_app;
    MediaPlayer &m_player;
    Prompter &m_prompter;
    RandomSource &m_random;
    PlaybackView &m_view;

    Buttons m_buttons;
    bool m_listShown = false;
    bool m_rowsShown = false;
    bool m_chosen = false;
    QStringList m_rows;
    QString m_status;
    QString m_cover;
    QString m_name;     // the loaded collection, as the window title shows it
    QString m_newTitle; // newcolltitle
    QObject m_imports;  // playlists being read; last, so that none is taken in after the rest has gone
};

} // namespace lumetra
