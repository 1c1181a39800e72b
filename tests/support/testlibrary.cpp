#include "testlibrary.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <unistd.h>

namespace lumetra::test {

using namespace Qt::StringLiterals;

bool writeCatalogue(const QString &dir, const QList<TestAlbum> &albums)
{
    Catalogue catalogue;
    if (!catalogue.open(dir + u"/tracks.lum"_s))
        return false;
    RecordView songs(catalogue, u"songs"_s);
    songs.refresh();
    catalogue.beginTransaction();
    int n = songs.recordCount();
    for (const TestAlbum &album : albums) {
        const QString folder = dir + u"/Music/album"_s + QString::number(n++) + u'/';
        QDir().mkpath(folder);
        QString picture;
        if (album.cover) {
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((n * 37) % 360, 160, 200));
            picture = u"cover.jpg"_s;
            if (!image.save(folder + picture, "JPG"))
                return false;
        }
        for (const QString &track : album.tracks) {
            if (!writeFile(folder + track, QByteArrayLiteral("not really music")))
                return false;
        }
        songs.addNew();
        songs.setValue(u"Album"_s, album.title);
        songs.setValue(u"Path"_s, folder);
        songs.setValue(u"Picture"_s, picture);
        if (!songs.update())
            return false;
    }
    return catalogue.commit();
}

namespace {

template <typename Fn> auto withConnection(const QString &file, Fn fn)
{
    const QString name = QUuid::createUuid().toString();
    decltype(fn(std::declval<QSqlDatabase &>())) result{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(file);
        if (db.open())
            result = fn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

bool runSql(const QString &file, const QStringList &statements)
{
    return withConnection(file, [&](QSqlDatabase &db) {
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                return false;
        }
        return true;
    });
}

QStringList querySql(const QString &file, const QString &text)
{
    return withConnection(file, [&](QSqlDatabase &db) {
        QStringList rows;
        QSqlQuery query(db);
        if (!query.exec(text))
            return rows;
        while (query.next()) {
            QStringList columns;
            for (int c = 0; c < query.record().count(); ++c)
                columns.append(query.value(c).toString());
            rows.append(columns.join(u'|'));
        }
        return rows;
    });
}

bool TestLibrary::load(const QList<TestAlbum> &albums)
{
    if (!writeCatalogue(m_dir.path(), albums) || !m_catalogue.open(m_app.file(u"tracks.lum"_s)))
        return false;
    m_songs.refresh();
    m_albums.populate(m_songs);
    return true;
}

namespace {
constexpr QFile::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kOpenWritable = kOpen | QFile::WriteGroup | QFile::WriteOther;
} // namespace

OrdinaryUser::OrdinaryUser(const QString &program)
    : m_root(::geteuid() == 0)
{
    const QString copy = m_copyDir.filePath(u"lumetra"_s);
    m_ready = QFile::copy(program, copy) && QFile::setPermissions(m_copyDir.path(), kOpen) &&
              QFile::setPermissions(copy, kOpen);
}

QStringList OrdinaryUser::command(const QStringList &args) const
{
    QStringList command = QStringList{m_copyDir.filePath(u"lumetra"_s)} + args;
    if (m_root)
        command =
            QStringList{u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s} + command;
    return command;
}

bool OrdinaryUser::share(const QString &path, bool writable) const
{
    return !m_root || QFile::setPermissions(path, writable ? kOpenWritable : kOpen);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace lumetra::test
