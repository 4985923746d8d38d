#include "heart/model/heart_result_tables.h"

#include "heart/model/heart_state.h"

namespace Heart::ResultTables {

namespace {

// A serial number as the tables print it, padded on the right.
QString serial(int number)
{
    return QString::number(number) + QStringLiteral("       ");
}

QString rateText(quint8 rate)
{
    return QString::number(rate) + QStringLiteral("       ");
}

// Examination 3's rows, one per heart, under the given header.
ResultsTable heartRows(const HeartPractical &practical, const QStringList &header, const QVector<double> &widths)
{
    ResultsTable table;
    table.rows = practical.Heart_HeartNo + 1;
    table.columnWidthsInA = widths;
    table.cells.append(header);
    for (int i = 1; i <= practical.Heart_HeartNo; ++i) {
        const HeartExam3Row row = practical.Heart_Exam3Rates.value(i);
        table.cells.append(
            {serial(i), QString::number(row.EpiRate), QString::number(row.AChRate), QString::number(row.UnknownRate)});
    }
    return table;
}

} // namespace

ResultsTable modelTable()
{
    ResultsTable table;
    table.rows = 3;
    table.columnWidthsInA = {10, 15, 20, 15, 10};
    table.headerHeightInA = 2;
    table.cells = {
        {" Sr. No.", "     Drug", " Heart Rate(beats/min)", "   Amplitude", "  Tone"},
        {"  1   ", "Control", "   67   ", "Normal", "Normal"},
        {"  2   ", "Epinephrine", "   85   ", "Increased", "No change"},
    };
    return table;
}

ResultsTable exam1Table(const HeartPractical &practical)
{
    ResultsTable table;
    table.rows = practical.Heart_DrugCount + 1;
    table.columnWidthsInA = {10, 18, 18, 19, 10};
    table.headerHeightInA = 2;
    table.rowHeightInA = 2;
    table.cells.append({" Serial No.", " Drug Given     ", " Drug Identified ", " Heart Beats/min ", " Tone"});
    for (int i = 1; i <= practical.Heart_DrugCount; ++i) {
        const HeartExam1Result &result = practical.Heart_Exam1Results.at(i);
        if (result.Identified.trimmed().isEmpty())
            continue;
        const QString rate = result.Rate == 0 ? QStringLiteral(" Drug Not Injected ") : rateText(result.Rate);
        table.cells.append({serial(int(table.cells.size())), result.Given, result.Identified, rate,
                            result.Tone + QStringLiteral("    ")});
    }
    return table;
}

ResultsTable exam2Table(const HeartPractical &practical)
{
    ResultsTable table;
    table.rows = practical.Heart_Exam2Count + 1;
    table.columnWidthsInA = {10, 18, 20, 15, 10};
    table.headerHeightInA = 2;
    table.rowHeightInA = 2;
    table.cells.append({"Sr. No.", " Drugs Injected ", " Heart Rate(beats/min)", " Tone"});
    for (int k = 1; k <= practical.Heart_Exam2Count; ++k) {
        const HeartExam2Entry entry = practical.Heart_Exam2Log.value(k);
        table.cells.append({serial(k), entry.DrugText, rateText(entry.Rate), entry.Tone});
    }
    return table;
}

ResultsTable exam3Table(const HeartPractical &practical)
{
    ResultsTable table
        = heartRows(practical, {" Heart No.", " Epinephrine (HR) ", " Acetylcholine (HR) ", " Unknown Drug (HR) "},
                    {0, 18, 18, 18});
    table.headerHeightInA = 2;
    return table;
}

ResultsTable comparisonTable(const HeartPractical &practical)
{
    // 155, 185 and 235 widths of "A" in pixels, taken as twips (15 to a pixel).
    return heartRows(practical, {" Heart No.", " Epinephrine     ", " Acetylcholine ", " Unknown Drug "},
                     {0, 155.0 / 15.0, 185.0 / 15.0, 235.0 / 15.0});
}

} // namespace Heart::ResultTables
