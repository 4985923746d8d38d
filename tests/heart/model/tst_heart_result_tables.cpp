#include "heart/model/heart_fixture.h"
#include "heart/model/heart_result_tables.h"
#include "heart/model/heart_state.h"

#include <QTest>

namespace {

Heart::HeartExam1Result answered(const QString &given, const QString &identified, quint8 rate, const QString &tone)
{
    Heart::HeartExam1Result result;
    result.Given = given;
    result.Identified = identified;
    result.Rate = rate;
    result.Tone = tone;
    return result;
}

} // namespace

class TestHeartResultTables : public QObject
{
    Q_OBJECT

private slots:
    void modelTableAgreesWithTheSimulatedHeart();
    void exam1RowsAreTheAnsweredUnknowns_data();
    void exam1RowsAreTheAnsweredUnknowns();
    void exam2HasARowPerInjection();
    void exam2WithoutInjectionsIsOnlyTheHeader();
    void exam3TablesHaveARowPerHeart_data();
    void exam3TablesHaveARowPerHeart();
};

void TestHeartResultTables::modelTableAgreesWithTheSimulatedHeart()
{
    // The model table is what the student should see in the Tutorial: the
    // heart at rest, then epinephrine from the shipped drug file.
    const ResultsTable table = Heart::ResultTables::modelTable();
    QCOMPARE(table.rows, 3);
    QCOMPARE(table.columns(), 5);
    QCOMPARE(table.cells.at(0),
             QStringList({" Sr. No.", "     Drug", " Heart Rate(beats/min)", "   Amplitude", "  Tone"}));

    const QStringList control = table.cells.at(1);
    QCOMPARE(control.at(1), QStringLiteral("Control"));
    const int restRate = control.at(2).trimmed().toInt();
    // Every heart's own rate lies between 60 and 90 beats/min.
    QVERIFY2(restRate >= 60 && restRate <= 90, qPrintable(control.at(2)));
    QCOMPARE(control.at(3), QStringLiteral("Normal"));
    QCOMPARE(control.at(4), QStringLiteral("Normal"));

    const QStringList epinephrine = table.cells.at(2);
    const HeartDrug epi = HeartFixture::shippedDrugs().at(HeartFixture::Epi);
    QCOMPARE(epinephrine.at(1), epi.Name);
    // Epinephrine raises the rate by hr_START to hr_END beats/min.
    const int rise = epinephrine.at(2).trimmed().toInt() - restRate;
    QVERIFY2(rise >= epi.hr_START && rise <= epi.hr_END, qPrintable(epinephrine.at(2)));
    QCOMPARE(epi.hr_indicator, QChar(u'I'));
    // Its stroke is taller than the heart's at rest; its tone code is "N".
    QVERIFY(qAbs(epi.L_StART - epi.L_End) > qAbs(Heart::HeartDrugTable::RestBottom - Heart::HeartDrugTable::RestTop));
    QCOMPARE(epinephrine.at(3), QStringLiteral("Increased"));
    QCOMPARE(epi.tone, QChar(u'N'));
    QCOMPARE(epinephrine.at(4), QStringLiteral("No change"));
}

void TestHeartResultTables::exam1RowsAreTheAnsweredUnknowns_data()
{
    QTest::addColumn<QStringList>("identified"); // per unknown, in the order given
    QTest::addColumn<QList<int>>("rates");
    QTest::addColumn<QStringList>("rows"); // "serial|given|identified|rate|tone"

    QTest::newRow("every unknown answered")
        << QStringList{"Atropine", "Epinephrine", "Atropine"} << QList<int>{75, 95, 74}
        << QStringList{"1       |Drug 1|Atropine|75       |N    ", "2       |Drug 2|Epinephrine|95       |I    ",
                       "3       |Drug 3|Atropine|74       |D    "};
    QTest::newRow("an unanswered unknown is left out, later rows move up")
        << QStringList{"Atropine", "  ", "Atropine"} << QList<int>{75, 95, 74}
        << QStringList{"1       |Drug 1|Atropine|75       |N    ", "2       |Drug 3|Atropine|74       |D    "};
    QTest::newRow("answered but never injected")
        << QStringList{"Atropine", "Acetylcholine", ""} << QList<int>{75, 0, 0}
        << QStringList{"1       |Drug 1|Atropine|75       |N    ",
                       "2       |Drug 2|Acetylcholine| Drug Not Injected |I    "};
}

void TestHeartResultTables::exam1RowsAreTheAnsweredUnknowns()
{
    Heart::HeartPractical practical;
    QFETCH(QStringList, identified);
    QFETCH(QList<int>, rates);
    QFETCH(QStringList, rows);

    const QStringList tones{"N", "I", "D"};
    practical.Heart_DrugCount = quint8(identified.size());
    for (int i = 0; i < identified.size(); ++i)
        practical.Heart_Exam1Results[i + 1]
            = answered(QStringLiteral("Drug %1").arg(i + 1), identified.at(i), quint8(rates.at(i)), tones.at(i));

    const ResultsTable table = Heart::ResultTables::exam1Table(practical);
    // The grid keeps a row for every drug; the unanswered ones stay empty.
    QCOMPARE(table.rows, identified.size() + 1);
    QCOMPARE(table.columnWidthsInA, (QVector<double>{10, 18, 18, 19, 10}));
    QCOMPARE(table.headerHeightInA, 2.0);
    QCOMPARE(table.rowHeightInA, 2.0);
    QCOMPARE(table.cells.at(0),
             QStringList({" Serial No.", " Drug Given     ", " Drug Identified ", " Heart Beats/min ", " Tone"}));
    QStringList shown;
    for (int row = 1; row < table.cells.size(); ++row)
        shown.append(table.cells.at(row).join(u'|'));
    QCOMPARE(shown, rows);
}

void TestHeartResultTables::exam2HasARowPerInjection()
{
    Heart::HeartPractical practical;
    practical.Heart_Exam2Count = 2;
    practical.Heart_Exam2Log = {{}, {"Epinephrine", "N", 95}, {"Unknown drug", "D", 48}};

    const ResultsTable table = Heart::ResultTables::exam2Table(practical);
    QCOMPARE(table.rows, 3);
    QCOMPARE(table.columnWidthsInA, (QVector<double>{10, 18, 20, 15, 10}));
    QCOMPARE(table.cells.at(0), QStringList({"Sr. No.", " Drugs Injected ", " Heart Rate(beats/min)", " Tone"}));
    QCOMPARE(table.cells.at(2), QStringList({"2       ", "Unknown drug", "48       ", "D"}));
    // The fifth column stays empty.
    QCOMPARE(table.text(1, 4), QString());
}

void TestHeartResultTables::exam2WithoutInjectionsIsOnlyTheHeader()
{
    Heart::HeartPractical practical;
    const ResultsTable table = Heart::ResultTables::exam2Table(practical);
    QCOMPARE(table.rows, 1);
    QCOMPARE(table.cells.size(), 1);
}

void TestHeartResultTables::exam3TablesHaveARowPerHeart_data()
{
    QTest::addColumn<bool>("comparison");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QVector<double>>("widths");

    QTest::newRow("results table") << false
                                   << QStringList{" Heart No.", " Epinephrine (HR) ", " Acetylcholine (HR) ",
                                                  " Unknown Drug (HR) "}
                                   << QVector<double>{0, 18, 18, 18};
    QTest::newRow("comparison") << true
                                << QStringList{" Heart No.", " Epinephrine     ", " Acetylcholine ", " Unknown Drug "}
                                << QVector<double>{0, 155.0 / 15, 185.0 / 15, 235.0 / 15};
}

void TestHeartResultTables::exam3TablesHaveARowPerHeart()
{
    Heart::HeartPractical practical;
    QFETCH(bool, comparison);
    QFETCH(QStringList, header);
    QFETCH(QVector<double>, widths);

    // Three hearts; the third was started with New and never given a drug.
    practical.Heart_HeartNo = 3;
    practical.Heart_Exam3Rates = {{}, {95, 47, 94}, {0, 50, 0}, {}};

    const ResultsTable table
        = comparison ? Heart::ResultTables::comparisonTable(practical) : Heart::ResultTables::exam3Table(practical);
    QCOMPARE(table.rows, 4);
    QCOMPARE(table.columnWidthsInA, widths);
    QCOMPARE(table.cells.at(0), header);
    QCOMPARE(table.cells.at(1), QStringList({"1       ", "95", "47", "94"}));
    QCOMPARE(table.cells.at(2), QStringList({"2       ", "0", "50", "0"}));
    QCOMPARE(table.cells.at(3), QStringList({"3       ", "0", "0", "0"}));
}

QTEST_GUILESS_MAIN(TestHeartResultTables)
#include "tst_heart_result_tables.moc"
