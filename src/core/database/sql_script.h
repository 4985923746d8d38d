#pragma once

#include <QString>
#include <QStringList>

// Builds a drug database file from the SQL source kept in the repository.
// Used by the build tool and by tests that need small databases of their own;
// the practicals never write a database.
namespace SqlScript {

// The statements of a script in order: split at semicolons outside quotes,
// brackets and comments, comments left out, blank statements dropped.
QStringList statements(const QString &script);

// Creates a new SQLite file at path and runs the script's statements in it as
// one transaction. Returns what went wrong, or an empty text on success; on
// failure no file is left at path. An existing file is never overwritten.
QString createDatabase(const QString &path, const QString &script);

} // namespace SqlScript
