#include "core/database/database_table.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Every read opens its own connection, so readers never share or disturb one.
QString nextConnectionName()
{
    static int count = 0;
    return QStringLiteral("vivosim-drug-database-%1").arg(++count);
}

// The engine's own words ("file is not a database") where it gives them.
QString engineText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// Brackets, because a double-quoted name that is not a column silently reads
// as a text constant. The names are the program's own and hold no bracket.
QString quoted(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

} // namespace

DatabaseTable DatabaseTable::read(const QString &path, const QString &table, const QStringList &fields)
{
    DatabaseTable result;
    result.m_fileName = QFileInfo(path).fileName();
    result.m_table = table;
    result.m_fields = fields;
    if (!QFileInfo(path).isFile()) {
        result.fail(QStringLiteral("was not found."));
        return result;
    }
    const QString connection = nextConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        result.load(database, path);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

void DatabaseTable::load(QSqlDatabase &database, const QString &path)
{
    if (!database.isValid()) {
        fail(QStringLiteral("cannot be read: the SQLite driver of Qt is not installed."));
        return;
    }
    // Without this option the engine would quietly create a missing file.
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    database.setDatabaseName(path);
    if (!database.open()) {
        fail(QStringLiteral("cannot be opened: %1.").arg(engineText(database.lastError())));
        return;
    }
    // Any file opens; only the first query finds out whether it is a database.
    QSqlQuery probe(database);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        fail(QStringLiteral("cannot be read: %1.").arg(engineText(probe.lastError())));
        return;
    }
    const QSqlRecord record = database.record(m_table);
    if (record.isEmpty()) {
        fail(QStringLiteral("has no table \"%1\".").arg(m_table));
        return;
    }
    for (int i = 0; i < record.count(); ++i)
        m_tableFields.append(record.fieldName(i));
    QStringList columns;
    for (const QString &field : m_fields) {
        if (record.indexOf(field) < 0) {
            fail(QStringLiteral("has no field \"%1\" in table \"%2\".").arg(field, m_table));
            return;
        }
        columns.append(quoted(field));
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const QString select
        = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(QStringLiteral(", ")), quoted(m_table));
    if (!query.exec(select)) {
        fail(QStringLiteral("cannot be read: %1.").arg(engineText(query.lastError())));
        return;
    }
    while (query.next()) {
        QVector<QVariant> row;
        for (int i = 0; i < m_fields.size(); ++i)
            row.append(query.value(i));
        m_rows.append(row);
    }
    if (query.lastError().isValid()) {
        m_rows.clear();
        fail(QStringLiteral("cannot be read: %1.").arg(engineText(query.lastError())));
    }
}

void DatabaseTable::requireRows(int least, int most)
{
    if (!ok())
        return;
    const int count = rowCount();
    if (count == 0 && least > 0)
        fail(QStringLiteral("has no rows in table \"%1\".").arg(m_table));
    else if (count < least)
        fail(QStringLiteral("has only %1 rows in table \"%2\"; at least %3 are needed.")
                 .arg(count)
                 .arg(m_table)
                 .arg(least));
    else if (count > most)
        fail(QStringLiteral("has %1 rows in table \"%2\"; at most %3 can be used.").arg(count).arg(m_table).arg(most));
}

QVector<int> DatabaseTable::allRows() const
{
    QVector<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        rows.append(row);
    return rows;
}

QVariant DatabaseTable::value(int row, const QString &field) const
{
    Q_ASSERT(row >= 0 && row < rowCount() && m_fields.contains(field));
    return m_rows.at(row).at(m_fields.indexOf(field));
}

DatabaseError DatabaseTable::problem(const QString &what) const
{
    return DatabaseError(m_fileName, what);
}
