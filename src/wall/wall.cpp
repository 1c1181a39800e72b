#include "wall.h"

#include "albumlist.h"
#include "core/albumrecord.h"
#include "core/appfolder.h"
#include "core/criteria.h"
#include "core/recordview.h"

#include <QCoreApplication>

namespace lumetra {

Wall::Wall(RecordView &songs, const AlbumList &albums, const AppFolder &app)
    : m_songs(songs)
    , m_albums(albums)
    , m_app(app)
{
}

void Wall::setSlotCount(int count)
{
    m_slotCount = count;
    m_page.assign(count, SlotContent{});
}

void Wall::display()
{
    const int n = m_albums.size();
    m_songs.readAhead(QStringLiteral("Album"), titlesFrom(m_firstAlbum));
    m_page.assign(m_slotCount, SlotContent{});
    for (SlotContent &slot : m_page) {
        if (!m_noWrap && m_firstAlbum == n)
            m_firstAlbum = 0;
        if (m_firstAlbum >= 0 && m_firstAlbum < n) {
            m_songs.findFirst(albumCriteria(m_albums.at(m_firstAlbum)));
            slot.title = m_songs.value(QStringLiteral("Album"));
            slot.id = m_songs.value(QStringLiteral("ID"));
            slot.picture = coverPicturePath(m_songs.value(QStringLiteral("Path")),
                                            m_songs.value(QStringLiteral("Picture")), m_app);
            slot.skipped = m_songs.value(QStringLiteral("Probability")) == QStringLiteral("No");
        } else {
            slot.picture = m_app.noCoverPicture();
        }
        ++m_firstAlbum;
    }
}

void Wall::setSlotTitle(int slot, const QString &title)
{
    if (slot >= 0 && slot < static_cast<int>(m_page.size()))
        m_page[slot].title = title;
}

void Wall::readSkipped()
{
    for (SlotContent &slot : m_page) {
        if (!slot.id.isEmpty())
            slot.skipped = m_songs.valueWhere(QStringLiteral("ID"), slot.id, QStringLiteral("Probability")) ==
                           QStringLiteral("No");
    }
}

bool Wall::nextPage()
{
    if (nextPageStart() < 0)
        return false;
    display();
    return true;
}

void Wall::previousPage()
{
    m_firstAlbum = previousPageStart();
    display();
}

int Wall::nextPageStart() const
{
    return m_firstAlbum >= m_albums.size() && m_noWrap ? -1 : m_firstAlbum;
}

int Wall::previousPageStart() const
{
    const int n = m_albums.size();
    int first = m_firstAlbum - 2 * m_slotCount;
    if (!m_noWrap) {
        if (first < 1)
            first += n;
        if (first < 1)
            first += n;
    } else if (first < 1) {
        first = 0;
    }
    return first;
}

int Wall::nextLetterStart() const
{
    const QString first = m_page.empty() ? QString() : m_page.front().title;
    const QChar initial = first.isEmpty() ? QChar() : first.front().toUpper();
    const char16_t from = initial >= u'A' && initial <= u'Z' ? initial.unicode() + 1 : u'A';
    for (char16_t letter = from; letter <= u'Z'; ++letter) {
        const int index = m_albums.firstStartingWith(letter);
        if (index >= 0)
            return index;
    }
    return -1;
}

QStringList Wall::titlesFrom(int first) const
{
    const int n = m_albums.size();
    QStringList titles;
    for (int k = 0; k < m_slotCount; ++k, ++first) {
        if (!m_noWrap && first == n)
            first = 0;
        if (first >= 0 && first < n)
            titles.append(m_albums.at(first));
    }
    return titles;
}

QStringList Wall::pictureFiles(int first)
{
    static const QStringList kFields = {QStringLiteral("Path"), QStringLiteral("Picture")};
    const int n = m_albums.size();
    m_songs.readAhead(QStringLiteral("Album"), titlesFrom(first));
    QStringList files;
    for (int k = 0; k < m_slotCount; ++k, ++first) {
        if (!m_noWrap && first == n)
            first = 0;
        if (first < 0 || first >= n) {
            files.append(m_app.noCoverPicture());
            continue;
        }
        const QStringList fields = m_songs.valuesWhere(QStringLiteral("Album"), m_albums.at(first), kFields);
        files.append(coverPicturePath(fields[0], fields[1], m_app));
    }
    return files;
}

bool Wall::jumpToLetter(QChar letter)
{
    const int index = m_albums.firstStartingWith(letter);
    if (index < 0) {
        m_emptyLetters.insert(letter);
        return false;
    }
    m_firstAlbum = index;
    display();
    return true;
}

QString Wall::windowTitle() const
{
    const int count = static_cast<int>(m_albums.size());
    return QCoreApplication::translate("Wall", "Lumetra Jukebox: %n albums loaded.", nullptr, count);
}

QList<QStringList> Wall::pagesAhead()
{
    QList<QStringList> pages;
    for (const int start : {nextPageStart(), previousPageStart(), nextLetterStart()}) {
        if (start >= 0 && !m_albums.isEmpty())
            pages.append(pictureFiles(start));
    }
    return pages;
}

} // namespace lumetra
