#include "recordview.h"

#include "catalogue.h"
#include "criteria.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <numeric>

namespace lumetra {

namespace {

QString quoted(const QString &identifier)
{
    QString out = identifier;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

// A statement run straight on the connection's SQLite handle: reading every record of a large catalogue
// through QSqlQuery costs a QVariant and a conversion per value. Values read as QSqlQuery gives them.
class RowReader
{
public:
    RowReader(const QSqlDatabase &db, const QString &sql)
    {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
            m_error = QCoreApplication::translate("RecordView", "The catalogue's driver is not SQLite.");
            return;
        }
        m_db = *static_cast<sqlite3 *const *>(handle.constData());
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &m_statement, nullptr) != SQLITE_OK)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    ~RowReader() { sqlite3_finalize(m_statement); }
    RowReader(const RowReader &) = delete;
    RowReader &operator=(const RowReader &) = delete;

    bool next()
    {
        if (!m_statement)
            return false;
        const int step = sqlite3_step(m_statement);
        if (step != SQLITE_ROW && step != SQLITE_DONE)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return step == SQLITE_ROW;
    }
    QString error() const { return m_error; }
    qint64 rowid(int column) const { return sqlite3_column_int64(m_statement, column); }

    void appendValue(PackedStrings &out, int column) const
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_NULL:
            out.append(QStringView());
            return;
        case SQLITE_INTEGER:
            out.append(QString::number(sqlite3_column_int64(m_statement, column)));
            return;
        case SQLITE_FLOAT:
            out.append(QString::number(sqlite3_column_double(m_statement, column), 'g',
                                       QLocale::FloatingPointShortest));
            return;
        case SQLITE_BLOB:
            out.append(QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                                         sqlite3_column_bytes(m_statement, column)));
            return;
        default: {
            // ASCII is taken as it stands; anything else as SQLite converts it, which is what QSqlQuery
            // shows.
            const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
            const int bytes = sqlite3_column_bytes(m_statement, column);
            if (std::all_of(utf8, utf8 + bytes, [](char c) { return uchar(c) < 0x80; })) {
                out.append(QLatin1StringView(utf8, bytes));
                return;
            }
            const void *utf16 = sqlite3_column_text16(m_statement, column);
            out.append(QStringView(static_cast<const char16_t *>(utf16),
                                   sqlite3_column_bytes16(m_statement, column) / 2));
        }
        }
    }

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
};

// Values read in before the room for the rest is estimated from them.
constexpr int kSample = 64;

// Room for `expected` values, once the first ones have shown what a value takes.
void reserveFromSample(PackedStrings &values, qsizetype expected)
{
    if (values.size() == kSample && expected > kSample)
        values.reserve(expected, values.byteSize() * (expected - kSample) / kSample * 5 / 4);
}

} // namespace

RecordView::RecordView(Catalogue &catalogue, QString table)
    : m_catalogue(catalogue)
    , m_table(std::move(table))
{
}

QString RecordView::quotedTable() const
{
    return quoted(m_table);
}

QString RecordView::quotedColumn(int column) const
{
    return quoted(m_columns[column]);
}

bool RecordView::refresh(const QStringList &preload)
{
    m_insert.reset();
    m_update.reset();
    m_fetch.reset();
    m_rowids.clear();
    m_rowidsAscending = true;
    m_data.clear();
    m_columns.clear();
    m_keyColumn = -1;
    m_pos = 0;
    m_deleted = m_adding = false;
    m_fields.clear();
    m_readAhead.clear();
    if (!m_catalogue.isOpen()) {
        m_error = QCoreApplication::translate("RecordView", "The catalogue is not open.");
        return false;
    }
    m_columns = m_catalogue.columns(m_table);
    if (m_columns.isEmpty()) {
        m_error = QCoreApplication::translate("RecordView", "Table %1 does not exist.").arg(m_table);
        return false;
    }
    m_data.resize(m_columns.size());

    QSqlQuery pk(m_catalogue.database());
    pk.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk = 1 AND type LIKE 'INTEGER'"));
    pk.addBindValue(m_table);
    if (pk.exec() && pk.next())
        m_keyColumn = columnIndex(pk.value(0).toString());
    if (m_keyColumn >= 0)
        m_data[m_keyColumn].loaded = true;

    QList<int> read;
    QString names = QStringLiteral("rowid");
    for (const QString &field : preload) {
        const int c = columnIndex(field);
        if (c >= 0 && !m_data[c].loaded && !read.contains(c)) {
            read.append(c);
            names += u',' + quotedColumn(c);
        }
    }
    // Room for every record from the start: there are no more than the span of their row ids, which the
    // file tells without reading them.
    qint64 expected = 0;
    {
        RowReader span(m_catalogue.database(),
                       QStringLiteral("SELECT max(rowid) - min(rowid) + 1 FROM %1").arg(quotedTable()));
        if (span.next())
            expected = std::clamp<qint64>(span.rowid(0), 0, qint64(1) << 22);
    }
    m_rowids.reserve(expected);
    for (int c : read)
        m_data[c].values.reserve(expected);
    RowReader reader(m_catalogue.database(),
                     QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(names, quotedTable()));
    while (reader.next()) {
        m_rowids.push_back(reader.rowid(0));
        for (int i = 0; i < read.size(); ++i) {
            reader.appendValue(m_data[read[i]].values, i + 1);
            reserveFromSample(m_data[read[i]].values, expected);
        }
    }
    if (!reader.error().isEmpty()) {
        m_error = reader.error();
        m_rowids.clear();
        for (Column &column : m_data)
            column.values.clear();
        return false;
    }
    for (int c : read)
        m_data[c].loaded = true;
    if (m_rowids.empty()) {
        for (Column &column : m_data)
            column.loaded = true;
    }
    loadFields();
    return true;
}

bool RecordView::hasCurrent() const
{
    return !m_deleted && m_pos >= 0 && m_pos < recordCount();
}

int RecordView::columnIndex(const QString &field) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool RecordView::allLoaded() const
{
    return std::all_of(m_data.begin(), m_data.end(), [](const Column &column) { return column.loaded; });
}

bool RecordView::ensureLoaded(int column)
{
    Column &target = m_data[column];
    if (target.loaded)
        return true;
    RowReader reader(
        m_catalogue.database(),
        QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid").arg(quotedColumn(column), quotedTable()));
    // The file's records come in row id order, and so do the snapshot's unless the file reused an id. A
    // record that has gone from the file reads as empty; one added behind our back is not in the snapshot.
    std::vector<int> order(m_rowids.size());
    std::iota(order.begin(), order.end(), 0);
    if (!m_rowidsAscending)
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return m_rowids[a] < m_rowids[b]; });
    PackedStrings values;
    values.reserve(recordCount());
    std::vector<qsizetype> place(m_rowidsAscending ? 0 : recordCount()); // where each record's value went
    bool more = reader.next();
    for (int row : order) {
        while (more && reader.rowid(0) < m_rowids[row])
            more = reader.next();
        if (!m_rowidsAscending)
            place[row] = values.size();
        if (more && reader.rowid(0) == m_rowids[row])
            reader.appendValue(values, 1);
        else
            values.append(QStringView());
        reserveFromSample(values, recordCount());
    }
    if (!reader.error().isEmpty()) {
        m_error = reader.error();
        return false;
    }
    if (m_rowidsAscending) {
        target.values = std::move(values);
    } else {
        target.values.clear();
        for (int row = 0; row < recordCount(); ++row)
            target.values.append(values.view(place[row]));
    }
    target.loaded = true;
    return true;
}

bool RecordView::ensureAllLoaded()
{
    bool ok = true;
    for (int c = 0; c < static_cast<int>(m_data.size()); ++c)
        ok = ensureLoaded(c) && ok;
    return ok;
}

QString RecordView::snapshotValue(int row, int column) const
{
    if (column == m_keyColumn)
        return QString::number(m_rowids[row]);
    return m_data[column].values.at(row);
}

QString RecordView::fieldList() const
{
    QStringList names;
    for (int c = 0; c < m_columns.size(); ++c)
        names.append(quotedColumn(c));
    return names.join(u',');
}

QStringList RecordView::fetchRecord(int row)
{
    QStringList fields(m_columns.size(), QString());
    if (allLoaded()) {
        for (int c = 0; c < m_columns.size(); ++c)
            fields[c] = snapshotValue(row, c);
        return fields;
    }
    QStringList read = m_readAhead.value(m_rowids[row]);
    if (read.isEmpty()) {
        if (!m_fetch) {
            m_fetch = std::make_unique<QSqlQuery>(m_catalogue.database());
            m_fetch->setForwardOnly(true);
            if (!m_fetch->prepare(
                    QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(fieldList(), quotedTable())))
                m_error = m_fetch->lastError().text();
        }
        m_fetch->bindValue(0, m_rowids[row]);
        if (m_fetch->exec() && m_fetch->next()) {
            for (int c = 0; c < m_columns.size(); ++c)
                read.append(m_fetch->value(c).toString());
        }
        m_fetch->finish();
    }
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_data[c].loaded)
            fields[c] = snapshotValue(row, c);
        else if (!read.isEmpty())
            fields[c] = read[c];
    }
    return fields;
}

void RecordView::readAhead(const QString &field, const QStringList &values)
{
    m_readAhead.clear();
    const int c = columnIndex(field);
    if (c < 0 || allLoaded())
        return;
    QList<qint64> rowids;
    for (const QString &value : values) {
        const int row = findRow(c, value);
        if (row >= 0 && !rowids.contains(m_rowids[row]))
            rowids.append(m_rowids[row]);
    }
    if (rowids.isEmpty())
        return;
    QSqlQuery query(m_catalogue.database());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
            .arg(fieldList(), quotedTable(), QStringList(rowids.size(), QStringLiteral("?")).join(u',')));
    for (qsizetype i = 0; i < rowids.size(); ++i)
        query.bindValue(static_cast<int>(i), rowids[i]);
    if (!query.exec())
        return;
    while (query.next()) {
        QStringList fields;
        for (int f = 0; f < m_columns.size(); ++f)
            fields.append(query.value(f + 1).toString());
        m_readAhead.insert(query.value(0).toLongLong(), fields);
    }
}

void RecordView::loadFields()
{
    m_adding = false;
    if (hasCurrent())
        m_fields = fetchRecord(m_pos);
    else
        m_fields = QStringList(m_columns.size(), QString());
}

int RecordView::findRow(int column, const QString &value)
{
    if (column == m_keyColumn) {
        bool ok = false;
        const qint64 id = value.toLongLong(&ok);
        if (!ok || QString::number(id) != value)
            return -1;
        if (m_rowidsAscending) {
            const auto it = std::lower_bound(m_rowids.begin(), m_rowids.end(), id);
            return it != m_rowids.end() && *it == id ? static_cast<int>(it - m_rowids.begin()) : -1;
        }
        const auto it = std::find(m_rowids.begin(), m_rowids.end(), id);
        return it != m_rowids.end() ? static_cast<int>(it - m_rowids.begin()) : -1;
    }
    if (!ensureLoaded(column))
        return -1;
    return static_cast<int>(m_data[column].values.indexOf(value));
}

bool RecordView::findFirst(const QString &criteria)
{
    const auto criterion = parseCriteria(criteria, m_columns);
    const int row = criterion ? findRow(criterion->column, criterion->value) : -1;
    if (row < 0)
        return false;
    m_pos = row;
    m_deleted = false;
    loadFields();
    return true;
}

void RecordView::moveFirst()
{
    if (m_columns.isEmpty())
        return;
    m_pos = 0;
    m_deleted = false;
    loadFields();
}

void RecordView::moveLast()
{
    if (m_columns.isEmpty())
        return;
    m_pos = m_rowids.empty() ? 0 : recordCount() - 1;
    m_deleted = false;
    loadFields();
}

bool RecordView::moveNext()
{
    if (m_deleted) {
        // The record after the deleted one already sits at the cursor's index.
        m_deleted = false;
    } else {
        if (eof())
            return false;
        ++m_pos;
    }
    // A walk reads every record: one read of each field beats one query per record.
    if (hasCurrent())
        ensureAllLoaded();
    loadFields();
    return true;
}

bool RecordView::movePrevious()
{
    if (!m_deleted && bof())
        return false;
    m_deleted = false;
    --m_pos;
    if (m_pos < -1)
        m_pos = -1;
    if (hasCurrent())
        ensureAllLoaded();
    loadFields();
    return true;
}

bool RecordView::eof() const
{
    return m_rowids.empty() || m_pos >= recordCount();
}

bool RecordView::bof() const
{
    return m_rowids.empty() || m_pos < 0;
}

bool RecordView::addNew()
{
    if (m_columns.isEmpty())
        return false;
    m_adding = true;
    m_fields = QStringList(m_columns.size(), QString());
    return true;
}

bool RecordView::update()
{
    m_readAhead.clear();
    if (!m_adding && !hasCurrent())
        return false;

    QList<int> bound;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (c != m_keyColumn)
            bound.append(c);
    }
    std::unique_ptr<QSqlQuery> &query = m_adding ? m_insert : m_update;
    if (!query) {
        QStringList names;
        for (int c : bound)
            names.append(quotedColumn(c));
        query = std::make_unique<QSqlQuery>(m_catalogue.database());
        const bool prepared =
            m_adding ? query->prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(quotedTable(), names.join(u','),
                                               QStringList(names.size(), QStringLiteral("?")).join(u',')))
                     : query->prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                          .arg(quotedTable(), names.join(QStringLiteral(" = ?, "))));
        if (!prepared) {
            m_error = query->lastError().text();
            query.reset();
            return false;
        }
    }
    // A field left unassigned is empty text, never NULL: other tools ask for Picture = ''.
    for (int i = 0; i < bound.size(); ++i)
        query->bindValue(i, m_fields[bound[i]].isNull() ? QStringLiteral("") : m_fields[bound[i]]);
    if (!m_adding)
        query->bindValue(static_cast<int>(bound.size()), m_rowids[m_pos]);
    if (!query->exec()) {
        m_error = query->lastError().text();
        return false;
    }

    if (m_adding) {
        const qint64 rowid = query->lastInsertId().toLongLong();
        if (!m_rowids.empty() && rowid <= m_rowids.back())
            m_rowidsAscending = false;
        m_rowids.push_back(rowid);
        for (int c : bound) {
            if (m_data[c].loaded)
                m_data[c].values.append(m_fields[c]);
        }
        m_pos = recordCount() - 1;
        m_deleted = false;
    } else {
        for (int c : bound) {
            PackedStrings &values = m_data[c].values;
            if (m_data[c].loaded && values.view(m_pos) != m_fields[c])
                values.replace(m_pos, m_fields[c]);
        }
    }
    loadFields();
    return true;
}

bool RecordView::deleteRecord()
{
    m_readAhead.clear();
    if (!hasCurrent() || m_adding)
        return false;
    QSqlQuery query(m_catalogue.database());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedTable()));
    query.addBindValue(m_rowids[m_pos]);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    m_rowids.erase(m_rowids.begin() + m_pos);
    for (Column &column : m_data) {
        if (column.loaded && !column.values.isEmpty())
            column.values.remove(m_pos);
    }
    m_deleted = true;
    loadFields();
    return true;
}

QString RecordView::valueWhere(const QString &field, const QString &value, const QString &wanted)
{
    return valuesWhere(field, value, {wanted}).constFirst();
}

QStringList RecordView::valuesWhere(const QString &field, const QString &value, const QStringList &wanted)
{
    QStringList values(wanted.size(), QString());
    const int c = columnIndex(field);
    const int row = c < 0 ? -1 : findRow(c, value);
    if (row < 0)
        return values;
    QStringList record;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const int w = columnIndex(wanted[i]);
        if (w < 0)
            continue;
        if (m_data[w].loaded) {
            values[i] = snapshotValue(row, w);
            continue;
        }
        if (record.isEmpty())
            record = fetchRecord(row);
        values[i] = record[w];
    }
    return values;
}

bool RecordView::forEachValue(const QString &field, const std::function<void(QAnyStringView)> &visit)
{
    const int c = columnIndex(field);
    if (c < 0 || c == m_keyColumn || !ensureLoaded(c))
        return false;
    for (int row = 0; row < recordCount(); ++row)
        visit(m_data[c].values.view(row));
    return true;
}

std::optional<PackedStrings> RecordView::column(const QString &field)
{
    const int c = columnIndex(field);
    if (c < 0 || c == m_keyColumn || !ensureLoaded(c))
        return std::nullopt;
    return m_data[c].values;
}

bool RecordView::deleteAll()
{
    m_readAhead.clear();
    if (m_columns.isEmpty())
        return false;
    QSqlQuery query(m_catalogue.database());
    if (!query.exec(QStringLiteral("DELETE FROM %1").arg(quotedTable()))) {
        m_error = query.lastError().text();
        return false;
    }
    m_rowids.clear();
    m_rowidsAscending = true;
    for (Column &column : m_data) {
        column.values.clear();
        column.loaded = true;
    }
    m_pos = 0;
    m_deleted = false;
    loadFields();
    return true;
}

QString RecordView::value(const QString &field) const
{
    const int c = columnIndex(field);
    return c < 0 || c >= m_fields.size() ? QString() : m_fields[c];
}

bool RecordView::setValue(const QString &field, const QString &text)
{
    const int c = columnIndex(field);
    if (c < 0 || c == m_keyColumn || c >= m_fields.size())
        return false;
    m_fields[c] = text;
    return true;
}

} // namespace lumetra
