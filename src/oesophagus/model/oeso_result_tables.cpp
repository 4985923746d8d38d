#include "oesophagus/model/oeso_result_tables.h"

namespace Mod_Oeso::ResultTables {

namespace {

// Column widths in letters "A"; the header row two letters high.
const QVector<double> ColumnWidths{10, 15, 15, 15, 10, 15, 15};
constexpr double HeaderHeight = 2;

QStringList header(const QString &drugHeading, const QString &identifiedHeading)
{
    return {QStringLiteral(" Serial No."),
            drugHeading,
            QStringLiteral("  Reading 1 "),
            QStringLiteral("  Reading 2 "),
            QStringLiteral("  Reading 3 "),
            QStringLiteral("    Mean   "),
            identifiedHeading};
}

ResultsTable shaped(int rows)
{
    ResultsTable table;
    table.rows = rows;
    table.columnWidthsInA = ColumnWidths;
    table.headerHeightInA = HeaderHeight;
    return table;
}

} // namespace

ResultsTable modelTable()
{
    // The header, the two model rows and two empty rows.
    ResultsTable table = shaped(5);
    table.cells = {
        header(QStringLiteral("  Drugs  "), QString()),
        {QStringLiteral("1     "), QStringLiteral("Ringer"), QStringLiteral("38      "), QStringLiteral("41      "),
         QStringLiteral("37      "), QStringLiteral("38.6      ")},
        {QStringLiteral("2     "), QStringLiteral("ACh"), QStringLiteral("26      "), QStringLiteral("26      "),
         QStringLiteral("29      "), QStringLiteral("27.0      ")},
    };
    return table;
}

QString meanText(const OesoResult &result)
{
    // Summed wide, so no reading can wrap the sum.
    const double sum = double(result.Reading1) + double(result.Reading2) + double(result.Reading3);
    return QString::number(sum / 3.0, 'g', 15);
}

ResultsTable examinationTable(const QVector<OesoResult> &results)
{
    const int shown = qMax(0, int(results.size()) - 1);
    ResultsTable table = shaped(shown + 1);
    table.rowHeightInA = HeaderHeight;
    table.cells << header(QStringLiteral(" Drug  Given "), QStringLiteral(" Drug Identified"));
    for (int i = 0; i < shown; ++i) {
        const OesoResult &r = results.at(i);
        table.cells << QStringList{QString::number(i + 1),
                                   r.DrugName,
                                   QString::number(r.Reading1),
                                   QString::number(r.Reading2),
                                   QString::number(r.Reading3),
                                   meanText(r),
                                   r.Identified};
    }
    return table;
}

} // namespace Mod_Oeso::ResultTables
