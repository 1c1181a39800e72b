#include "recordview.h"

#include "catalogue.h"
#include "criteria.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace lumetra {

namespace {

QString quoted(const QString &identifier)
{
    QString out = identifier;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
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

bool RecordView::refresh()
{
    m_insert.reset();
    m_update.reset();
    m_rows.clear();
    m_columns.clear();
    m_keyColumn = -1;
    m_pos = 0;
    m_deleted = m_adding = m_noMatch = false;
    m_fields.clear();
    if (!m_catalogue.isOpen()) {
        m_error = QStringLiteral("The catalogue is not open.");
        return false;
    }
    m_columns = m_catalogue.columns(m_table);
    if (m_columns.isEmpty()) {
        m_error = QStringLiteral("Table %1 does not exist.").arg(m_table);
        return false;
    }

    QSqlQuery pk(m_catalogue.database());
    pk.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk = 1 AND type LIKE 'INTEGER'"));
    pk.addBindValue(m_table);
    if (pk.exec() && pk.next())
        m_keyColumn = columnIndex(pk.value(0).toString());

    QSqlQuery query(m_catalogue.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(quotedTable()))) {
        m_error = query.lastError().text();
        return false;
    }
    const int count = static_cast<int>(m_columns.size());
    while (query.next()) {
        Row row;
        row.rowid = query.value(0).toLongLong();
        row.values.reserve(count);
        for (int c = 0; c < count; ++c)
            row.values.append(query.value(c + 1).toString());
        m_rows.push_back(std::move(row));
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

void RecordView::loadFields()
{
    m_adding = false;
    if (hasCurrent())
        m_fields = m_rows[m_pos].values;
    else
        m_fields = QStringList(m_columns.size(), QString());
}

bool RecordView::findFirst(const QString &criteria)
{
    const auto criterion = parseCriteria(criteria, m_columns);
    if (criterion) {
        for (int i = 0; i < recordCount(); ++i) {
            if (m_rows[i].values[criterion->column] == criterion->value) {
                m_pos = i;
                m_deleted = false;
                m_noMatch = false;
                loadFields();
                return true;
            }
        }
    }
    m_noMatch = true;
    return false;
}

bool RecordView::moveFirst()
{
    if (m_columns.isEmpty())
        return false;
    m_pos = 0;
    m_deleted = false;
    loadFields();
    return !m_rows.empty();
}

bool RecordView::moveLast()
{
    if (m_columns.isEmpty())
        return false;
    m_pos = m_rows.empty() ? 0 : recordCount() - 1;
    m_deleted = false;
    loadFields();
    return !m_rows.empty();
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
    loadFields();
    return true;
}

bool RecordView::eof() const
{
    return m_rows.empty() || m_pos >= recordCount();
}

bool RecordView::bof() const
{
    return m_rows.empty() || m_pos < 0;
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
        query->bindValue(static_cast<int>(bound.size()), m_rows[m_pos].rowid);
    if (!query->exec()) {
        m_error = query->lastError().text();
        return false;
    }

    if (m_adding) {
        Row row;
        row.rowid = query->lastInsertId().toLongLong();
        row.values = m_fields;
        if (m_keyColumn >= 0)
            row.values[m_keyColumn] = QString::number(row.rowid);
        m_rows.push_back(std::move(row));
        m_pos = recordCount() - 1;
        m_deleted = false;
    } else {
        QStringList &values = m_rows[m_pos].values;
        for (int c : bound)
            values[c] = m_fields[c];
    }
    loadFields();
    return true;
}

bool RecordView::deleteRecord()
{
    if (!hasCurrent() || m_adding)
        return false;
    QSqlQuery query(m_catalogue.database());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedTable()));
    query.addBindValue(m_rows[m_pos].rowid);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    m_rows.erase(m_rows.begin() + m_pos);
    m_deleted = true;
    loadFields();
    return true;
}

QString RecordView::valueWhere(const QString &field, const QString &value, const QString &wanted) const
{
    const int c = columnIndex(field);
    const int w = columnIndex(wanted);
    if (c < 0 || w < 0)
        return {};
    for (const Row &row : m_rows) {
        if (row.values[c] == value)
            return row.values[w];
    }
    return {};
}

bool RecordView::deleteAll()
{
    if (m_columns.isEmpty())
        return false;
    QSqlQuery query(m_catalogue.database());
    if (!query.exec(QStringLiteral("DELETE FROM %1").arg(quotedTable()))) {
        m_error = query.lastError().text();
        return false;
    }
    m_rows.clear();
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
