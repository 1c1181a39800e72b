#pragma once

#include "packedstrings.h"

#include <QAnyStringView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <QSqlQuery>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lumetra {

class Catalogue;

// A table of the catalogue seen through a current-record cursor, as the program's windows use it.
// Records are in ascending ID (insertion) order. Field values are text; assignments go to the current
// (or new) record's field views and reach the file only on update(). Every operation returns false and
// changes nothing when it cannot be done (no record, past the end, file error); callers may ignore that.
//
// The snapshot is read field by field: refresh() reads the list of records and the fields named in
// `preload`; any other field is read whole for every record when a find, a walk with moveNext/movePrevious
// or a lookup first needs it. Until then the current record's fields come straight from the file.
// Finds go through a table from value to first record, not a scan.
class RecordView
{
public:
    RecordView(Catalogue &catalogue, QString table);

    // Reloads the table and positions on the first record.
    bool refresh(const QStringList &preload = {});

    // Makes the first record matching `criteria` current; false, the cursor kept, when none matches.
    bool findFirst(const QString &criteria);

    void moveFirst();
    void moveLast();
    bool moveNext();
    bool movePrevious();
    bool eof() const;
    bool bof() const;

    // Starts a new record; its field views read empty until assigned.
    bool addNew();
    // Writes the field views into the current or new record; a new record gets its ID here.
    bool update();
    // Removes the current record; the cursor is then on no record until the next move.
    bool deleteRecord();
    // Removes every record, as deleting from the last to the first does, in one statement.
    bool deleteAll();

    // Field views by name (case-insensitive). Empty text when there is no current record.
    QString value(const QString &field) const;
    bool setValue(const QString &field, const QString &text);

    int recordCount() const { return static_cast<int>(m_rowids.size()); }
    // `wanted` of the first record whose `field` equals `value`, without moving the cursor; empty when none.
    QString valueWhere(const QString &field, const QString &value, const QString &wanted);
    // The same for several fields at once; empty texts when there is no such record.
    QStringList valuesWhere(const QString &field, const QString &value, const QStringList &wanted);
    // A hint that the records whose `field` equals one of `values` are read next: their fields are read from
    // the file in one go. Finds and moves behave the same with it or without.
    void readAhead(const QString &field, const QStringList &values);
    // Reads every field of every record into the snapshot: until the next refresh the view then reads
    // nothing from the file, and shows what it held while others rewrite the table.
    bool readAll() { return ensureAllLoaded(); }
    // A copy of one field of every record, in record order, for a worker thread to read: it shares the
    // snapshot's text until either changes. nullopt when there is no such field (or it is the row id) or it
    // cannot be read.
    std::optional<PackedStrings> column(const QString &field);
    // Calls `visit` with every record's `field` in record order, without moving the cursor; false when
    // there is no such field (or it is the row id) or it cannot be read.
    bool forEachValue(const QString &field, const std::function<void(QAnyStringView)> &visit);
    QString lastError() const { return m_error; }

private:
    // One field of every record; the key column holds nothing, its value is the row id.
    struct Column {
        PackedStrings values;
        bool loaded = false;
    };

    bool hasCurrent() const;
    int columnIndex(const QString &field) const;
    bool ensureLoaded(int column);
    bool ensureAllLoaded();
    bool allLoaded() const;
    int findRow(int column, const QString &value);
    QString snapshotValue(int row, int column) const;
    QStringList fetchRecord(int row);
    QString fieldList() const;
    void loadFields();
    QString quotedTable() const;
    QString quotedColumn(int column) const;

    Catalogue &m_catalogue;
    QString m_table;
    QStringList m_columns;
    int m_keyColumn = -1; // the column that is SQLite's row id (ID of songs), -1 when none
    std::vector<qint64> m_rowids;
    bool m_rowidsAscending = true;
    std::vector<Column> m_data;
    int m_pos = 0;          // -1 = before first, size = past last
    bool m_deleted = false; // current record was deleted; no record until the next move
    bool m_adding = false;
    QStringList m_fields; // field views of the current or new record
    QString m_error;
    // Prepared once per refresh: a scan adds thousands of records.
    std::unique_ptr<QSqlQuery> m_insert;
    std::unique_ptr<QSqlQuery> m_update;
    std::unique_ptr<QSqlQuery> m_fetch;     // one record by row id
    QHash<qint64, QStringList> m_readAhead; // by row id, until the next write
};

} // namespace lumetra
