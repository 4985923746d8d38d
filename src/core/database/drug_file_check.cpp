#include "core/database/drug_file_check.h"

#include "core/database/database_table.h"
#include "core/database/drug_file_layout.h"
#include "core/database/drug_rules.h"

#include <QFileInfo>

namespace {

QStringList layoutProblems(const QString &path, const DrugFileLayout &layout)
{
    const DatabaseTable table = DatabaseTable::read(path, layout.table, layout.fields);
    if (!table.ok())
        return {table.error().text()};
    if (table.tableFields() != layout.fields)
        return {QStringLiteral("The table \"%1\" has the fields %2; it must have exactly %3, in this order.")
                    .arg(layout.table, table.tableFields().join(QStringLiteral(", ")),
                         layout.fields.join(QStringLiteral(", ")))};
    return {};
}

template <typename Drug> QStringList fileProblems(const QString &path, const DrugFileLayout &layout,
                                                  DrugReading<Drug> (*read)(const QString &),
                                                  QStringList (*rules)(const QVector<Drug> &))
{
    const QStringList problems = layoutProblems(path, layout);
    if (!problems.isEmpty())
        return problems;
    const DrugReading<Drug> reading = read(path);
    return reading.ok() ? rules(reading.drugs) : QStringList{reading.error.text()};
}

} // namespace

QStringList shippedFileProblems(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name == heartDrugLayout().fileName)
        return fileProblems(path, heartDrugLayout(), readHeartDrugs, heartDrugProblems);
    if (name == oesoDrugLayout().fileName)
        return fileProblems(path, oesoDrugLayout(), readOesoDrugs, oesoDrugProblems);
    if (name == rabDrugLayout().fileName)
        return fileProblems(path, rabDrugLayout(), readRabDrugs, rabDrugProblems);
    return {QStringLiteral("\"%1\" is not the name of a drug database.").arg(name)};
}
