#include "testlibrary.h"

#include "core/catalogue.h"
#include "core/recordview.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QtEndian>
#include <QtMath>

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

QByteArray toneWav(int milliseconds, int frequency)
{
    constexpr int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i) {
        const auto v = static_cast<qint16>(8000 * std::sin(2 * M_PI * frequency * i / rate));
        qToLittleEndian(v, pcm.data() + 2 * i);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    u32(36 + pcm.size());
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(pcm.size());
    wav.append(pcm);
    return wav;
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
