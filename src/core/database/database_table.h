#pragma once

#include "core/database/database_error.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

class QSqlDatabase;

// The named fields of every row of one table of a drug database, read once
// through a read-only connection and kept in memory in the order the rows
// were inserted. Reading never writes, never creates a file and never
// throws: whatever goes wrong ends up in error().
class DatabaseTable
{
public:
    static DatabaseTable read(const QString &path, const QString &table, const QStringList &fields);

    bool ok() const { return !m_error.isError(); }
    const DatabaseError &error() const { return m_error; }

    // Turns the table into an error unless it has least..most rows.
    void requireRows(int least, int most);

    const QString &fileName() const { return m_fileName; }
    const QString &table() const { return m_table; }
    // Every field the table has, in the table's own order (not only those read).
    const QStringList &tableFields() const { return m_tableFields; }
    int rowCount() const { return int(m_rows.size()); }
    QVector<int> allRows() const;

    // A field that was read, of row 0..rowCount()-1; null when SQL NULL.
    QVariant value(int row, const QString &field) const;
    // An error about this file; what continues "The drug database "X" ...".
    DatabaseError problem(const QString &what) const;

private:
    void load(QSqlDatabase &database, const QString &path);
    void fail(const QString &what) { m_error = problem(what); }

    QString m_fileName;
    QString m_table;
    QStringList m_fields;
    QStringList m_tableFields;
    QVector<QVector<QVariant>> m_rows;
    DatabaseError m_error;
};
