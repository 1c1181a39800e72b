#include "catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace lumetra {

const QStringList Catalogue::kSongsColumns = {QStringLiteral("ID"),     QStringLiteral("Album"),
                                              QStringLiteral("Path"),   QStringLiteral("Picture"),
                                              QStringLiteral("Artist"), QStringLiteral("Probability")};
const QStringList Catalogue::kOptsColumns = {QStringLiteral("folders"), QStringLiteral("formcolor")};

namespace {

// The catalogue is read once, front to back, into memory at start: a page cache of its size would only add
// to the program's memory. A write transaction gets SQLite's usual room, so a scan does not spill to disk.
constexpr int kReadCacheKib = 256;
constexpr int kWriteCacheKib = 2000;

const QString kCreateSongs = QStringLiteral(
    "CREATE TABLE songs (ID INTEGER PRIMARY KEY AUTOINCREMENT, Album TEXT, Path TEXT, Picture TEXT, "
    "Artist TEXT, Probability TEXT)");
const QString kCreateOpts = QStringLiteral("CREATE TABLE opts (folders TEXT, formcolor TEXT)");

bool hasSqliteHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// A journal or write-ahead log left by an interrupted write.
bool hasJournal(const QString &path)
{
    return QFileInfo(path + QStringLiteral("-journal")).size() > 0 ||
           QFileInfo(path + QStringLiteral("-wal")).size() > 0;
}

bool containsAll(const QStringList &have, const QStringList &need)
{
    for (const QString &name : need) {
        if (!have.contains(name, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

} // namespace

Catalogue::Catalogue()
    : m_connection(QStringLiteral("catalogue-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Catalogue::~Catalogue()
{
    close();
}

void Catalogue::close()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

bool Catalogue::fail(const QString &reason)
{
    m_error = reason;
    close();
    return false;
}

bool Catalogue::open(const QString &path)
{
    close();
    m_path = path;
    m_error.clear();

    const QFileInfo info(path);
    bool fresh = !info.exists() || (info.isFile() && info.size() == 0);
    if (info.exists() && !info.isFile())
        return fail(tr("%1 is not a file.").arg(path));
    // Checked before SQLite touches the file, so a foreign file is never written to.
    if (!fresh && !hasSqliteHeader(path))
        return fail(tr("%1 is not a catalogue database.").arg(path));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    if (!m_db.open())
        return fail(tr("%1 cannot be opened: %2").arg(path, m_db.lastError().text()));
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA busy_timeout = 2000"));

    if (!fresh && hasJournal(path)) {
        // A kill during the first creation leaves written pages and a journal whose rollback empties the
        // file again: SQLite rolls it back on the first read, and what is left is judged.
        QSqlQuery pages(m_db);
        if (pages.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) &&
            pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next())
            fresh = pages.value(0).toLongLong() == 0;
    }
    // Only now: setting it reads the file, which would roll a journal back before it is seen above.
    setCacheKib(kReadCacheKib);
    if (fresh)
        return createSchema() || fail(tr("%1 cannot be created: %2").arg(path, m_error));
    return validateSchema();
}

bool Catalogue::createSchema()
{
    QSqlQuery query(m_db);
    if (!m_db.transaction() || !query.exec(kCreateSongs) || !query.exec(kCreateOpts) || !m_db.commit()) {
        m_error = query.lastError().isValid() ? query.lastError().text() : m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    m_open = true;
    return true;
}

bool Catalogue::validateSchema()
{
    QSqlQuery check(m_db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
        check.value(0).toString() != QStringLiteral("ok")) {
        const QString why =
            check.lastError().isValid() ? check.lastError().text() : check.value(0).toString();
        return fail(tr("%1 is damaged: %2").arg(m_path, why));
    }
    check.finish();
    // A trigger would turn the program's own writes into others (or into a write that never ends).
    QSqlQuery triggers(m_db);
    if (!triggers.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger'")) ||
        !triggers.next() || triggers.value(0).toInt() != 0)
        return fail(tr("%1 holds triggers, which a catalogue does not have.").arg(m_path));
    triggers.finish();

    m_open = true;
    const QStringList songs = columns(QStringLiteral("songs"));
    if (songs.isEmpty())
        return fail(tr("%1 has no table of albums (songs).").arg(m_path));
    if (!containsAll(songs, kSongsColumns))
        return fail(tr("%1: the table of albums lacks some of the fields %2.")
                        .arg(m_path, kSongsColumns.join(QStringLiteral(", "))));
    // Albums are found by ID, so it must be the number SQLite assigns to each row: the only key, with no
    // index of its own (a WITHOUT ROWID table has one).
    QSqlQuery pk(m_db);
    pk.exec(QStringLiteral("SELECT pk, type, (SELECT count(*) FROM pragma_index_list('songs') WHERE origin = "
                           "'pk') FROM pragma_table_info('songs') WHERE name = 'ID' COLLATE NOCASE"));
    if (!pk.next() || pk.value(0).toInt() != 1 ||
        pk.value(1).toString().compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) != 0 ||
        pk.value(2).toInt() != 0)
        return fail(tr("%1: the field ID of the table of albums is not an automatic number.").arg(m_path));
    pk.finish();

    const QStringList opts = columns(QStringLiteral("opts"));
    if (opts.isEmpty()) {
        // The state table only carries volume and start mode; adding it loses nothing.
        QSqlQuery create(m_db);
        if (!create.exec(kCreateOpts))
            return fail(tr("%1 cannot be completed: %2").arg(m_path, create.lastError().text()));
    } else if (!containsAll(opts, kOptsColumns)) {
        return fail(tr("%1: the table of settings (opts) lacks some of the fields %2.")
                        .arg(m_path, kOptsColumns.join(QStringLiteral(", "))));
    }
    return true;
}

QStringList Catalogue::columns(const QString &table) const
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    query.addBindValue(table);
    if (!query.exec())
        return names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

void Catalogue::setCacheKib(int kib)
{
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kib));
}

bool Catalogue::beginTransaction()
{
    if (!m_open)
        return false;
    setCacheKib(kWriteCacheKib);
    return m_db.transaction();
}

bool Catalogue::commit()
{
    const bool done = m_open && m_db.commit();
    if (done)
        setCacheKib(kReadCacheKib);
    return done;
}

void Catalogue::rollback()
{
    if (!m_open)
        return;
    m_db.rollback();
    setCacheKib(kReadCacheKib);
}

} // namespace lumetra
