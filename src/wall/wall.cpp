#include "wall.h"

#include "albumlist.h"
#include "core/albumrecord.h"
#include "core/appfolder.h"
#include "core/criteria.h"
#include "core/recordview.h"

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

bool Wall::nextPage()
{
    if (m_firstAlbum >= m_albums.size() && m_noWrap)
        return false;
    display();
    return true;
}

void Wall::previousPage()
{
    const int n = m_albums.size();
    m_firstAlbum -= 2 * m_slotCount;
    if (!m_noWrap) {
        if (m_firstAlbum < 1)
            m_firstAlbum += n;
        if (m_firstAlbum < 1)
            m_firstAlbum += n;
    } else if (m_firstAlbum < 1) {
        m_firstAlbum = 0;
    }
    display();
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
    return QStringLiteral("Lumetra Jukebox: %1 albums loaded.").arg(m_albums.size());
}

} // namespace lumetra
