#include "ileum/model/concentration.h"
#include "ileum/model/exam_scoring.h"
#include "ileum/model/ileum_state.h"

#include <QTest>

using namespace ileum;

class TestIleumScoring : public QObject
{
    Q_OBJECT

private slots:
    void compute_data();
    void compute();
    void supervisorScores_data();
    void supervisorScores();
};

void TestIleumScoring::compute_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QString>("sum");
    // Standard 0.4 ug throughout.
    QTest::newRow("0.32 ml") << "0.32" << true << "1.25"
                             << "0.4/0.32 = ";
    QTest::newRow("0.3 ml") << "0.3" << true << "1.333333"
                            << "0.4/0.3 = ";
    QTest::newRow("blank box") << " " << false << QString() << QString();
    QTest::newRow("zero volume") << "0" << false << QString() << QString();
    QTest::newRow("lone point") << "." << false << QString() << QString();
}

void TestIleumScoring::compute()
{
    QFETCH(QString, volume);
    QFETCH(bool, computed);
    QFETCH(QString, concentration);
    QFETCH(QString, sum);
    const ComputedConcentration result = computeConcentration("0.4", volume);
    QCOMPARE(result.computed, computed);
    QCOMPARE(result.txt_con, concentration);
    QCOMPARE(result.Label_cons, sum);
}

void TestIleumScoring::supervisorScores_data()
{
    QTest::addColumn<float>("actual");
    QTest::addColumn<QString>("studentBox");
    QTest::addColumn<QString>("student");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("actualShown");
    QTest::addColumn<QString>("errorRatio");
    QTest::newRow("exact") << 1.25f << "1.25"
                           << "1.25" << false << "1.25"
                           << "0";
    QTest::newRow("student below") << 1.25f << "1"
                                   << "1" << false << "1.25"
                                   << "20";
    QTest::newRow("student above") << 1.25f << "1.5"
                                   << "1.5" << false << "1.25"
                                   << "-20";
    QTest::newRow("empty student box") << 1.25f << " "
                                       << "0" << false << "1.25"
                                       << "100";
    // 0.4 / 0.30 is 1.33333325 in single precision; the ratio is worked out
    // from the 1.333333 shown (from the stored value it would be 25).
    QTest::newRow("ratio from the value shown") << trueConcentration(0.4, 0.3f) << "1"
                                                << "1" << false << "1.333333"
                                                << "24.99998";
    QTest::newRow("handed in without a standard") << -1.0f << "1.25"
                                                  << "1.25" << true << QString() << QString();
}

void TestIleumScoring::supervisorScores()
{
    QFETCH(float, actual);
    QFETCH(QString, studentBox);
    QFETCH(QString, student);
    QFETCH(bool, warning);
    QFETCH(QString, actualShown);
    QFETCH(QString, errorRatio);
    IleumPractical state;
    state.Ileum_ActualConc = actual;
    recordStudentConcentration(state, studentBox);
    const SupervisorScores scores = ileum::supervisorScores(state);
    QCOMPARE(scores.Txt_cal, student);
    QCOMPARE(scores.warning, warning);
    QCOMPARE(scores.Txt_Act, actualShown);
    QCOMPARE(scores.Txt_err, errorRatio);
}

QTEST_APPLESS_MAIN(TestIleumScoring)
#include "tst_ileum_scoring.moc"
