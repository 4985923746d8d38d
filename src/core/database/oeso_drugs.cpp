#include "core/database/oeso_drugs.h"

#include "core/database/drug_file_layout.h"
#include "core/database/row_reader.h"

namespace {

OesoDrug oesoDrugFrom(RowReader &row)
{
    OesoDrug drug;
    drug.Drug = row.trimmedText(QStringLiteral("Drug"));
    drug.speed1 = row.single(QStringLiteral("speed1"));
    drug.speed2 = row.single(QStringLiteral("speed2"));
    drug.time1 = row.single(QStringLiteral("time1"));
    drug.time2 = row.single(QStringLiteral("time2"));
    return drug;
}

} // namespace

DrugReading<OesoDrug> readOesoDrugs(const QString &path)
{
    const DrugFileLayout &layout = oesoDrugLayout();
    DatabaseTable table = DatabaseTable::read(path, layout.table, layout.fields);
    table.requireRows(1, OesoDrugRowLimit);
    return convertRows<OesoDrug>(table, table.allRows(), oesoDrugFrom);
}
