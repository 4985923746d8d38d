// vivosim_make_drug_db <source.sql> <database file>
//
// Builds one drug database from its SQL source, then reads it back exactly
// as its practical will and checks it against the practical's rules. Any
// problem is printed and the tool exits with 1, so the build stops; no
// database file is left behind then, old or new.

#include "core/database/drug_file_check.h"
#include "core/database/sql_script.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int refuse(const QString &output, const QString &source, const QStringList &problems)
{
    QTextStream err(stderr);
    err << "vivosim_make_drug_db: " << QFileInfo(output).fileName() << " from " << QFileInfo(source).fileName()
        << " is not fit to ship:\n";
    for (const QString &problem : problems)
        err << "  " << problem << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: vivosim_make_drug_db <source.sql> <database file>\n";
        return 2;
    }
    const QString source = arguments.at(1);
    const QString output = QFileInfo(arguments.at(2)).absoluteFilePath();

    QFile::remove(output);
    QFile sourceFile(source);
    if (!sourceFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return refuse(output, source, {QStringLiteral("The source cannot be read: %1.").arg(sourceFile.errorString())});
    const QString script = QString::fromUtf8(sourceFile.readAll());

    // Built under its own name in a scratch folder beside the target, so the
    // check reads it as the file it will be and the final move stays on one disk.
    const QString folder = QFileInfo(output).absolutePath();
    QDir().mkpath(folder);
    QTemporaryDir scratch(folder + QStringLiteral("/.drug-database-XXXXXX"));
    if (!scratch.isValid())
        return refuse(output, source, {QStringLiteral("No scratch folder: %1.").arg(scratch.errorString())});
    const QString built = scratch.filePath(QFileInfo(output).fileName());

    const QString error = SqlScript::createDatabase(built, script);
    if (!error.isEmpty())
        return refuse(output, source, {QStringLiteral("The source does not run: %1").arg(error)});
    const QStringList problems = shippedFileProblems(built);
    if (!problems.isEmpty())
        return refuse(output, source, problems);
    if (!QFile::rename(built, output))
        return refuse(output, source, {QStringLiteral("The database cannot be moved into place.")});
    return 0;
}
