#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace lumetra {

// The catalogue as the phone remote shows it: every album with a title, in the wall's order, found by its
// catalogue ID or its folder. A snapshot, read on a worker thread and then only read, so any thread may use
// it; the remote reads a new one after the window has read the catalogue again.
class AlbumShelf
{
public:
    struct Album {
        qint64 id = 0;
        QString title;
        QString artist;
        QString folder;  // Path: ends with the separator
        QString picture; // the cover's file name in the folder; empty for none
    };
    static constexpr int kLetters = 26;

    // Reads every album of the catalogue file; an empty shelf when the file cannot be read as a catalogue.
    static std::shared_ptr<const AlbumShelf> read(const QString &cataloguePath);
    // Albums in catalogue (ID) order; those without a title are kept for the search but not shown.
    static std::shared_ptr<const AlbumShelf> make(std::vector<Album> albums);

    // The albums with a title, in the wall's order.
    int size() const { return static_cast<int>(m_order.size()); }
    const Album &at(int place) const { return m_albums[m_order[place]]; }
    const Album *byId(qint64 id) const;
    // The album whose folder holds `file`; null when none does.
    const Album *holding(const QString &file) const;
    // The first place of each letter A to Z (a title's first character in upper case), -1 for none.
    const std::array<int, kLetters> &letters() const { return m_letters; }

    // Every album in catalogue order, as the search window reads them: folders and titles.
    const QStringList &searchFolders() const { return m_searchFolders; }
    const QStringList &searchTitles() const { return m_searchTitles; }
    const Album &inCatalogueOrder(int i) const { return m_albums[i]; }

private:
    std::vector<Album> m_albums; // catalogue order
    std::vector<int> m_order;    // wall order, into m_albums
    QHash<qint64, int> m_byId;
    QHash<QString, int> m_byFolder; // cleaned folder path
    std::array<int, kLetters> m_letters{};
    QStringList m_searchFolders;
    QStringList m_searchTitles;
};

} // namespace lumetra
