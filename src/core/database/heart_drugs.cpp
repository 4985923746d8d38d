#include "core/database/heart_drugs.h"

#include "core/database/drug_file_layout.h"
#include "core/database/row_reader.h"

#include <limits>

namespace {

// The fields are read in the order the heart practical has always read them,
// so the first broken value reported is the first one it would meet.
HeartDrug heartDrugFrom(RowReader &row)
{
    HeartDrug drug;
    drug.Name = row.trimmedText(QStringLiteral("Name"));
    drug.key = fixedText(row.trimmedText(QStringLiteral("key")), HeartDrug::keyWidth);
    drug.L_StART = row.byte(QStringLiteral("L_StART"));
    drug.L_End = row.byte(QStringLiteral("L_End"));
    drug.Dose = row.single(QStringLiteral("Dose"));
    drug.hr_START = row.byte(QStringLiteral("hr_START"));
    drug.hr_END = row.byte(QStringLiteral("hr_END"));
    drug.tone = codeOf(row.text(QStringLiteral("tone")));
    drug.hr_indicator = codeOf(row.text(QStringLiteral("hr_indicator")));
    return drug;
}

DatabaseTable heartTable(const QString &path)
{
    const DrugFileLayout &layout = heartDrugLayout();
    return DatabaseTable::read(path, layout.table, layout.fields);
}

} // namespace

DrugReading<HeartDrug> readHeartDrugs(const QString &path)
{
    DatabaseTable table = heartTable(path);
    table.requireRows(1, HeartDrugRowLimit);
    return convertRows<HeartDrug>(table, table.allRows(), heartDrugFrom);
}

DrugReading<HeartDrug> readHeartExam3Drugs(const QString &path)
{
    constexpr int first = 0;
    constexpr int sixth = first + 5;
    DatabaseTable table = heartTable(path);
    table.requireRows(sixth + 1, std::numeric_limits<int>::max());
    return convertRows<HeartDrug>(table, {first, sixth}, heartDrugFrom);
}
