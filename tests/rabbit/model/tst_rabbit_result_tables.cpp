#include "rabbit/model/rabbit_fixture.h"
#include "rabbit/model/rabbit_result_tables.h"

#include <QTest>

using namespace Rab_eye;
using namespace RabbitFixture;

class TestRabbitResultTables : public QObject
{
    Q_OBJECT

private slots:
    void codeTexts_data();
    void codeTexts();
    void modelTableIsFixed();
    void examTableRows();
    void resultsEndWithThePractical();
};

void TestRabbitResultTables::codeTexts_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QChar>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("tension normal") << "tension" << QChar('N') << " Normal ";
    QTest::newRow("tension decreased") << "tension" << QChar('D') << " Decreased ";
    QTest::newRow("tension increased") << "tension" << QChar('I') << " Increased ";
    QTest::newRow("tension not tested") << "tension" << QChar('H') << " Not Tested ";
    QTest::newRow("tension blank code acts as unchanged") << "tension" << QChar(' ') << " Normal ";
    QTest::newRow("reflex yes") << "reflex" << QChar('Y') << " Yes ";
    QTest::newRow("reflex no") << "reflex" << QChar('N') << " No ";
    QTest::newRow("reflex not tested") << "reflex" << QChar('H') << " Not Tested ";
    QTest::newRow("reflex blank code is no reflex") << "reflex" << QChar(' ') << " No ";
    QTest::newRow("saline yes") << "saline" << QChar('Y') << " Yes ";
    QTest::newRow("saline no") << "saline" << QChar('N') << " No ";
}

void TestRabbitResultTables::codeTexts()
{
    QFETCH(QString, column);
    QFETCH(QChar, code);
    QFETCH(QString, text);
    const QString shown = column == "tension" ? ResultTables::tensionText(code)
        : column == "reflex"                  ? ResultTables::reflexText(code)
                                              : ResultTables::salineText(code);
    QCOMPARE(shown, text);
}

void TestRabbitResultTables::modelTableIsFixed()
{
    const ResultsTable t = ResultTables::modelTable();
    QCOMPARE(t.rows, 6);
    QCOMPARE(t.columnWidthsInA, (QVector<double>{13, 12, 17, 13, 13, 12}));
    QCOMPARE(t.headerHeightInA, 4.0);
    QCOMPARE(t.text(0, 2), QStringLiteral("Intraocular Tension      Before  |  After"));
    QCOMPARE(t.text(2, 0), QStringLiteral("    1 (LE)"));
    QCOMPARE(t.text(2, 1), QStringLiteral(" Epinephrine "));
    QCOMPARE(t.text(4, 0), QStringLiteral("    2 (LE)"));
    QCOMPARE(t.text(3, 1), QString());
    QCOMPARE(t.text(5, 0), QString());
}

void TestRabbitResultTables::examTableRows()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Instill();
    x.chooseEye(Eye::Left);
    x.Identified(QStringLiteral("  "));
    x.Identified(QStringLiteral("Atropine"));
    x.Next(QString());
    x.Identified(QStringLiteral("Mydriatic"));

    const ResultsTable t = ResultTables::examTable(bench.practical);
    QCOMPARE(t.rows, 8 + 1 + 1);
    QCOMPARE(t.columns(), 7);
    QCOMPARE(t.columnWidthsInA.last(), 15.0);
    QCOMPARE(t.rowHeightInA, 2.0);
    QCOMPARE(t.text(0, 5), QStringLiteral("  Saline Instilled "));
    QCOMPARE(t.cells.at(1),
             (QStringList{"          1", "Adrenaline", " Decreased ", " No ", " Yes ", " No ", " Not Identified "}));
    QCOMPARE(t.cells.at(2).mid(2), (QStringList{" Not Tested ", " Not Tested ", " Not Tested ", " No ", "Atropine"}));
    // Unknowns skipped by Next: nothing invented.
    QCOMPARE(
        t.cells.at(3),
        (QStringList{"          3", "", " Not Tested ", " Not Tested ", " Not Tested ", " No ", " Not Identified "}));
    QCOMPARE(t.text(9, 0), QStringLiteral(" Exam. 2"));
    QVERIFY(t.text(9, 1).endsWith(QStringLiteral("(Mydriatic)")) || t.text(9, 1).endsWith(QStringLiteral("(Miotic)")));
    QCOMPARE(t.text(9, 6), QStringLiteral("Mydriatic"));
}

void TestRabbitResultTables::resultsEndWithThePractical()
{
    Bench bench(Mode::Examination);
    bench.experiment.Identified(QStringLiteral("Atropine"));
    // The front page starts the next student's practical afresh.
    bench.practical = RabPractical();
    bench.practical.Rab_Mode = Mode::Examination;
    RabbitExperiment next(bench.practical);
    QCOMPARE(next.startUp(shippedDrugs()), QString());
    QCOMPARE(ResultTables::examTable(bench.practical).text(1, 6), QStringLiteral(" Not Identified "));
}

QTEST_APPLESS_MAIN(TestRabbitResultTables)
#include "tst_rabbit_result_tables.moc"
