#include "core/database/sql_script.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace SqlScript {

namespace {

QString nextConnectionName()
{
    static int count = 0;
    return QStringLiteral("vivosim-drug-script-%1").arg(++count);
}

QString engineText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// Index just past the end of the comment starting at i, or i when none starts there.
int commentEnd(const QString &script, int i)
{
    if (script.mid(i, 2) == QLatin1String("--")) {
        const int end = script.indexOf(u'\n', i);
        return end < 0 ? int(script.size()) : end;
    }
    if (script.mid(i, 2) == QLatin1String("/*")) {
        const int end = script.indexOf(QLatin1String("*/"), i + 2);
        return end < 0 ? int(script.size()) : end + 2;
    }
    return i;
}

QString runStatements(QSqlDatabase &database, const QStringList &statements)
{
    if (!database.transaction())
        return engineText(database.lastError());
    QSqlQuery query(database);
    for (int i = 0; i < statements.size(); ++i) {
        if (!query.exec(statements.at(i))) {
            const QString error = QStringLiteral("statement %1 (%2): %3")
                                      .arg(i + 1)
                                      .arg(statements.at(i).simplified().left(60), engineText(query.lastError()));
            query.finish();
            database.rollback();
            return error;
        }
    }
    return database.commit() ? QString() : engineText(database.lastError());
}

} // namespace

QStringList statements(const QString &script)
{
    QStringList result;
    QString current;
    const auto finish = [&] {
        if (!current.trimmed().isEmpty())
            result.append(current.trimmed());
        current.clear();
    };
    for (int i = 0; i < script.size();) {
        const int afterComment = commentEnd(script, i);
        if (afterComment != i) {
            current += u' ';
            i = afterComment;
            continue;
        }
        const QChar c = script.at(i);
        if (c == u'\'' || c == u'"' || c == u'[') {
            // A doubled quote inside a text simply closes and reopens it.
            const QChar closing = c == u'[' ? QChar(u']') : c;
            const int end = script.indexOf(closing, i + 1);
            const int stop = end < 0 ? int(script.size()) : end + 1;
            current += script.mid(i, stop - i);
            i = stop;
            continue;
        }
        if (c == u';')
            finish();
        else
            current += c;
        ++i;
    }
    finish();
    return result;
}

QString createDatabase(const QString &path, const QString &script)
{
    if (QFileInfo::exists(path))
        return QStringLiteral("\"%1\" already exists.").arg(QFileInfo(path).fileName());
    const QString connection = nextConnectionName();
    QString error;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        if (!database.isValid())
            error = QStringLiteral("the SQLite driver of Qt is not installed.");
        else if (!database.open())
            error = engineText(database.lastError());
        else
            error = runStatements(database, statements(script));
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty())
        QFile::remove(path);
    return error;
}

} // namespace SqlScript
