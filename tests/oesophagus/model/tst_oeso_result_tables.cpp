#include "oesophagus/model/oeso_result_tables.h"

#include <QTest>

using Mod_Oeso::OesoResult;

namespace {

QStringList rowsOf(const ResultsTable &table)
{
    QStringList rows;
    for (int row = 0; row < table.rows; ++row) {
        QStringList cells;
        for (int column = 0; column < table.columns(); ++column)
            cells << table.text(row, column);
        rows << cells.join(u'|');
    }
    return rows;
}

OesoResult result(const QString &drug, qint32 r1, qint32 r2, qint32 r3, const QString &identified = QString())
{
    OesoResult r;
    r.DrugName = drug;
    r.Reading1 = r1;
    r.Reading2 = r2;
    r.Reading3 = r3;
    r.Identified = identified;
    return r;
}

} // namespace

class TestOesoResultTables : public QObject
{
    Q_OBJECT

private slots:
    void modelTableRows();
    void examinationRows();
    void mean_data();
    void mean();
};

void TestOesoResultTables::modelTableRows()
{
    const ResultsTable table = Mod_Oeso::ResultTables::modelTable();
    QCOMPARE(table.columnWidthsInA, QVector<double>({10, 15, 15, 15, 10, 15, 15}));
    QCOMPARE(table.headerHeightInA, 2.0);
    QCOMPARE(rowsOf(table),
             QStringList({
                 " Serial No.|  Drugs  |  Reading 1 |  Reading 2 |  Reading 3 |    Mean   |",
                 "1     |Ringer|38      |41      |37      |38.6      |",
                 "2     |ACh|26      |26      |29      |27.0      |",
                 "||||||",
                 "||||||",
             }));
}

void TestOesoResultTables::examinationRows()
{
    // The examination left after the first unknown, whose series had one
    // seed; the spare record after the pair is not shown.
    const QVector<OesoResult> results{result("Ringer", 38, 41, 37), result("Atropine", 52, 0, 0, "Atropine"),
                                      result(QString(), 0, 0, 0)};
    const ResultsTable table = Mod_Oeso::ResultTables::examinationTable(results);
    QCOMPARE(table.rowHeightInA, 2.0);
    QCOMPARE(rowsOf(table),
             QStringList({
                 " Serial No.| Drug  Given |  Reading 1 |  Reading 2 |  Reading 3 |    Mean   | Drug Identified",
                 "1|Ringer|38|41|37|38.6666666666667|",
                 "2|Atropine|52|0|0|17.3333333333333|Atropine",
             }));
}

void TestOesoResultTables::mean_data()
{
    QTest::addColumn<int>("r1");
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("r3");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole mean") << 26 << 26 << 29 << "27";
    QTest::newRow("a single reading r shows r/3") << 38 << 0 << 0 << "12.6666666666667";
    QTest::newRow("no reading") << 0 << 0 << 0 << "0";
    // Far beyond what a 16-bit sum holds.
    QTest::newRow("long readings do not wrap") << 40000 << 40000 << 40001 << "40000.3333333333";
}

void TestOesoResultTables::mean()
{
    QFETCH(int, r1);
    QFETCH(int, r2);
    QFETCH(int, r3);
    QFETCH(QString, shown);
    QCOMPARE(Mod_Oeso::ResultTables::meanText(result("Ringer", r1, r2, r3)), shown);
}

QTEST_GUILESS_MAIN(TestOesoResultTables)
#include "tst_oeso_result_tables.moc"
