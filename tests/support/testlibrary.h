#pragma once

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "qtprint.h"

namespace lumetra::test {

// An album for a test catalogue: a folder under the library root, with a JPEG cover unless `cover` is false,
// and a small file for each name in `tracks`.
struct TestAlbum {
    QString title;
    bool cover = true;
    QStringList tracks = {};
};

// Writes the catalogue `dir`/tracks.lum through the program's own store, one record per album in the
// given order, each album a real folder under `dir`/Music. Returns false on any failure.
bool writeCatalogue(const QString &dir, const QList<TestAlbum> &albums);

// A temporary application folder with its catalogue open, the album list and the wall model over it; test
// fixtures take it as a base.
class TestLibrary
{
public:
    // Adds the albums to the catalogue (empty: just the file), then reads it and the album list afresh.
    bool load(const QList<TestAlbum> &albums);

    QTemporaryDir m_dir;
    AppFolder m_app{m_dir.path()};
    Catalogue m_catalogue;
    RecordView m_songs{m_catalogue, QStringLiteral("songs")};
    AlbumList m_albums;
    Wall m_wall{m_songs, m_albums, m_app};
};

// Runs raw SQL on a SQLite file with a connection of its own, as another tool would.
bool runSql(const QString &file, const QStringList &statements);

// Rows of a query, each row's columns joined by "|".
QStringList querySql(const QString &file, const QString &query);

// Root reads and writes anywhere, so checks of refused access run the program as an ordinary user (nobody),
// from a copy that user can reach wherever the build lives. Run without root, the caller is that user.
class OrdinaryUser
{
public:
    explicit OrdinaryUser(const QString &program);
    bool isReady() const { return m_ready; }
    // The command line, program first, that runs the copy with `args` as that user.
    QStringList command(const QStringList &args) const;
    // Opens `path` to everyone (`writable` adds write) when the program runs as nobody; otherwise leaves it.
    bool share(const QString &path, bool writable = false) const;

private:
    QTemporaryDir m_copyDir;
    bool m_root;
    bool m_ready = false;
};

QByteArray readAll(const QString &path);
bool writeFile(const QString &path, const QByteArray &data);

} // namespace lumetra::test
