#include "core/database/rab_drugs.h"

#include "core/database/drug_file_layout.h"
#include "core/database/row_reader.h"

namespace {

RabDrug rabDrugFrom(RowReader &row)
{
    RabDrug drug;
    drug.D_Name = row.trimmedText(QStringLiteral("D_Name"));
    drug.L_Reflex = codeOf(row.trimmedText(QStringLiteral("L_Reflex")));
    drug.C_Reflex = codeOf(row.trimmedText(QStringLiteral("C_Reflex")));
    drug.I_Tension = codeOf(row.text(QStringLiteral("I_Tension")));
    drug.P_size1 = row.whole16(QStringLiteral("P_size1"));
    drug.P_size2 = row.whole16(QStringLiteral("P_size2"));
    return drug;
}

} // namespace

DrugReading<RabDrug> readRabDrugs(const QString &path)
{
    const DrugFileLayout &layout = rabDrugLayout();
    DatabaseTable table = DatabaseTable::read(path, layout.table, layout.fields);
    table.requireRows(1, RabDrugRowLimit);
    return convertRows<RabDrug>(table, table.allRows(), rabDrugFrom);
}
