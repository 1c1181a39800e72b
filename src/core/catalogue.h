#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace lumetra {

// One open connection to the catalogue file tracks.lum (SQLite).
// A missing or empty file is created with the catalogue's schema. A file that is not a usable catalogue
// (not SQLite, damaged, holding triggers, `songs` missing, without its fields or without SQLite's row id as
// its ID) is left byte for byte as it was; open() then fails with a readable reason and every view over
// this catalogue stays empty.
class Catalogue
{
    Q_DECLARE_TR_FUNCTIONS(Catalogue)

public:
    Catalogue();
    ~Catalogue();
    Catalogue(const Catalogue &) = delete;
    Catalogue &operator=(const Catalogue &) = delete;

    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }
    QSqlDatabase database() const { return m_db; }

    // Column names of a table in their stored order; empty when the table does not exist.
    QStringList columns(const QString &table) const;

    // Groups several writes so that they land together or not at all.
    bool beginTransaction();
    bool commit();
    void rollback();

    static const QStringList kSongsColumns;
    static const QStringList kOptsColumns;

private:
    bool fail(const QString &reason);
    bool createSchema();
    bool validateSchema();
    void setCacheKib(int kib);

    QString m_connection;
    QString m_path;
    QString m_error;
    QSqlDatabase m_db;
    bool m_open = false;
};

} // namespace lumetra
