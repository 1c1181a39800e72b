#pragma once

#include <QString>
#include <QStringList>

#include <set>
#include <vector>

namespace lumetra {

class AlbumList;
class AppFolder;
class RecordView;

// What one cover slot shows after display(): empty title and id mark a slot past the last album.
struct SlotContent {
    QString title;
    QString id;
    QString picture;      // file to show; the window falls back to the no-cover picture if it cannot load it
    bool skipped = false; // marked "No": left out of Shuffle All
    bool operator==(const SlotContent &) const = default;
};

// The album wall's position and paging over the sorted album list. Holds no widget: the window lays
// out slotCount() slots and shows page().
class Wall
{
public:
    Wall(RecordView &songs, const AlbumList &albums, const AppFolder &app);

    void setSlotCount(int count);
    int slotCount() const { return m_slotCount; }
    void setNoWrap(bool noWrap) { m_noWrap = noWrap; }
    bool noWrap() const { return m_noWrap; }

    // Index of the album the next display() puts into slot 0.
    int firstAlbum() const { return m_firstAlbum; }
    void setFirstAlbum(int index) { m_firstAlbum = index; }

    // Fills every slot from firstAlbum() on; afterwards firstAlbum() is the album after the page.
    void display();
    const std::vector<SlotContent> &page() const { return m_page; }
    // A renamed album shows its new title until the next display().
    void setSlotTitle(int slot, const QString &title);
    // Reads again which albums of the page are marked "No", without moving the cursor.
    void readSkipped();

    // Returns false when the page did not move (last page showing with wrap-around off).
    bool nextPage();
    void previousPage();
    // Where nextPage() and previousPage() would start the page, without moving it; -1 when it cannot move.
    int nextPageStart() const;
    int previousPageStart() const;
    // Where a jump to the next letter after the page's first title would start the page; -1 when none.
    int nextLetterStart() const;
    // The cover files display() would show from album `first` on, without moving the catalogue's cursor.
    QStringList pictureFiles(int first);
    // The cover files of the pages a click may show next: the next page, the previous one, the next letter's.
    QList<QStringList> pagesAhead();

    // Moves the page to the first album starting with `letter`; false (and the letter remembered as
    // having none) when there is no such album.
    bool jumpToLetter(QChar letter);
    bool letterHasNoAlbums(QChar letter) const { return m_emptyLetters.contains(letter); }

    // "Lumetra Jukebox: N albums loaded."
    QString windowTitle() const;

private:
    // The titles of the page that starts at album `first`.
    QStringList titlesFrom(int first) const;

    RecordView &m_songs;
    const AlbumList &m_albums;
    const AppFolder &m_app;
    int m_slotCount = 0;
    int m_firstAlbum = 0;
    bool m_noWrap = false;
    std::vector<SlotContent> m_page;
    std::set<QChar> m_emptyLetters;
};

} // namespace lumetra
