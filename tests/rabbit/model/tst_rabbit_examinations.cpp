#include "rabbit/model/rabbit_fixture.h"
#include "rabbit/model/unknown_draws.h"
#include "support/seams/real_chance.h"

#include <QSet>
#include <QTest>

using namespace Rab_eye;
using namespace RabbitFixture;

namespace {

// What the student sees of a new rabbit before testing an unknown.
enum class FirstSight { LeftTension, LeftPupil };

// Examinations started one after another.
constexpr int Starts = 4000;

} // namespace

Q_DECLARE_METATYPE(FirstSight)

class TestRabbitExaminations : public QObject
{
    Q_OBJECT

private slots:
    void firstUnknownIsDrawnAtLoad();
    void firstUnknownIsNotReadFromTheRabbit_data();
    void firstUnknownIsNotReadFromTheRabbit();
    void unknownsNeverRepeatAndEndInExamination2();
    void identificationBeforeInstillationRecordsNotTested();
    void identificationRecordsTheEffectsSeen_data();
    void identificationRecordsTheEffectsSeen();
    void salineThroughCancelIsInstilledNotTheUnknown();
    void salineOnABusyEyeStaysPendingAndIsNotRecorded();
    void salinePressedAgainDoesNotUndoIt();
    void sameUnknownInBothEyes();
    void nextSkipsToExamination2AndLeavesSkippedRecordsUntested();
    void examination2DrawsAPlainClass_data();
    void examination2DrawsAPlainClass();
    void examination2RecordsItsOwnResult();
};

void TestRabbitExaminations::firstUnknownIsDrawnAtLoad()
{
    Bench bench(Mode::Examination);
    const RabbitExperiment &x = bench.experiment;
    QCOMPARE(x.drugs().DrugCount(), 8);
    // 0.5 among unknowns 1..8 gives the fifth.
    QCOMPARE(x.CurDrug(), 5);
    QCOMPARE(x.UnknownNo(), 1);
    QCOMPARE(x.view().Lab_DName, QStringLiteral("Unknown Drug 1"));
    QCOMPARE(x.view().answerList.size(), 8);
    QVERIFY(!x.view().answerList.contains(QStringLiteral("Saline")));
    QCOMPARE(bench.practical.Rab_Results.size(), 10);
    QVERIFY(!x.view().tableEnabled);
}

void TestRabbitExaminations::firstUnknownIsNotReadFromTheRabbit_data()
{
    QTest::addColumn<FirstSight>("sight");
    QTest::newRow("the left eye's tension bar") << FirstSight::LeftTension;
    QTest::newRow("the left eye's pupil") << FirstSight::LeftPupil;
}

void TestRabbitExaminations::firstUnknownIsNotReadFromTheRabbit()
{
    QFETCH(FirstSight, sight);
    // The program's own chance, and a clock that stays in one millisecond
    // through every reseed of every start.
    FakeClock clock;
    RealChance chance;
    const QVector<RabDrug> rows = shippedDrugs();
    SightTally tally(int(rows.size()) - 1); // saline is never an unknown
    for (int start = 0; start < Starts; ++start) {
        RabPractical practical;
        practical.Rab_Mode = Mode::Examination;
        RabbitExperiment x(practical);
        QCOMPARE(x.startUp(rows), QString());
        const EyeState &left = x.eye(Eye::Left);
        const int seen
            = sight == FirstSight::LeftTension ? left.tension : int(left.base.height) * 1000 + int(left.base.width);
        tally.add(seen, x.CurDrug());
    }
    QCOMPARE(tally.giveaway(), QString());
}

void TestRabbitExaminations::unknownsNeverRepeatAndEndInExamination2()
{
    Bench bench(Mode::Examination, shippedDrugs(), {0.99999994f});
    RabbitExperiment &x = bench.experiment;
    QSet<int> given{x.CurDrug()};
    for (int n = 2; n <= 8; ++n) {
        QCOMPARE(x.Identified(QString()), RabbitExperiment::Leave::Stay);
        QCOMPARE(x.UnknownNo(), n);
        QVERIFY2(!given.contains(x.CurDrug()), "an unknown came twice");
        given.insert(x.CurDrug());
    }
    // The draw at the top always takes the last unused unknown.
    QCOMPARE(given.size(), 8);
    const int rabbit = x.RabbitNo();
    QCOMPARE(x.Identified(QStringLiteral("Atropine")), RabbitExperiment::Leave::Stay);
    QCOMPARE(bench.practical.Rab_Mode, Mode::Examination2);
    QCOMPARE(x.RabbitNo(), rabbit + 1);
    QCOMPARE(x.view().LAb_Title,
             QStringLiteral("Examination 2 : You are given an unknown drug. Design an experiment "
                            "to find out whether the drug is an miotic or mydriatic."));
}

void TestRabbitExaminations::identificationBeforeInstillationRecordsNotTested()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Saline();
    QCOMPARE(x.chooseEye(Eye::Left), QString());
    x.Identified(QString());
    const RabResult &e = bench.practical.Rab_Results.at(1);
    QCOMPARE(e.DrugName, QStringLiteral("Adrenaline"));
    QCOMPARE(e.Tension, QChar('H'));
    QCOMPARE(e.LightReflex, QChar('H'));
    QCOMPARE(e.CornealReflex, QChar('H'));
    QCOMPARE(e.SalineInstilled, QChar('Y'));
    QCOMPARE(e.Identified, QString());
}

void TestRabbitExaminations::identificationRecordsTheEffectsSeen_data()
{
    QTest::addColumn<bool>("torch");
    QTest::addColumn<QChar>("light");
    // Unknown 1 is Adrenaline, a "B" drug: the record says what the torch showed.
    QTest::newRow("B drug, torch on the untreated eye") << true << QChar('Y');
    QTest::newRow("B drug, torch never used") << false << QChar('N');
}

void TestRabbitExaminations::identificationRecordsTheEffectsSeen()
{
    QFETCH(bool, torch);
    QFETCH(QChar, light);
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Instill();
    QCOMPARE(x.chooseEye(Eye::Left), QString());
    QCOMPARE(x.eye(Eye::Left).drugActing, QStringLiteral("Unknown Drug 1"));
    if (torch) {
        x.pickUp(Tool::Torch);
        x.eyeEntered(Eye::Right);
        x.eyeLeft(Eye::Right);
    }
    x.Identified(QStringLiteral("Adrenaline"));
    const RabResult &e = bench.practical.Rab_Results.at(1);
    QCOMPARE(e.Tension, QChar('D'));
    QCOMPARE(e.CornealReflex, QChar('Y'));
    QCOMPARE(e.LightReflex, light);
    QCOMPARE(e.SalineInstilled, QChar('N'));
    QCOMPARE(e.Identified, QStringLiteral("Adrenaline"));
    QCOMPARE(x.LightSeen(), QChar('N'));
    QCOMPARE(x.view().Lab_DName, QStringLiteral("Unknown Drug 2"));
}

void TestRabbitExaminations::salineThroughCancelIsInstilledNotTheUnknown()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Saline();
    x.Cmd_Can();
    QVERIFY(x.salinePending());
    x.Cmd_Instill();
    QCOMPARE(x.chooseEye(Eye::Right), QString());
    QCOMPARE(x.eye(Eye::Right).DrugIdx, qint16(9));
    QCOMPARE(x.eye(Eye::Right).drugActing, QStringLiteral("Saline"));
    QVERIFY(x.salineInstilled());
    QVERIFY(!x.unknownInstilled());
}

void TestRabbitExaminations::salineOnABusyEyeStaysPendingAndIsNotRecorded()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Instill();
    x.chooseEye(Eye::Left);
    x.Cmd_Saline();
    QCOMPARE(x.chooseEye(Eye::Left), QStringLiteral("Already a drug is acting. Choose a New rabbit"));
    QVERIFY(x.salinePending());
    QVERIFY(!x.salineInstilled());
    x.Identified(QString());
    QCOMPARE(bench.practical.Rab_Results.at(1).SalineInstilled, QChar('N'));
}

void TestRabbitExaminations::salinePressedAgainDoesNotUndoIt()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    x.Cmd_Saline();
    x.chooseEye(Eye::Left);
    x.Cmd_Saline();
    x.Cmd_Can();
    x.Identified(QString());
    QCOMPARE(bench.practical.Rab_Results.at(1).SalineInstilled, QChar('Y'));
}

void TestRabbitExaminations::sameUnknownInBothEyes()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    for (Eye e : {Eye::Left, Eye::Right}) {
        x.Cmd_Instill();
        QCOMPARE(x.chooseEye(e), QString());
        QCOMPARE(x.eye(e).DrugIdx, qint16(x.CurDrug()));
        QCOMPARE(x.eye(e).drugActing, QStringLiteral("Unknown Drug 1"));
    }
}

void TestRabbitExaminations::nextSkipsToExamination2AndLeavesSkippedRecordsUntested()
{
    Bench bench(Mode::Examination);
    bench.experiment.Identified(QStringLiteral("Atropine"));
    QCOMPARE(bench.experiment.Next(QString()), RabbitExperiment::Leave::Stay);
    QCOMPARE(bench.practical.Rab_Mode, Mode::Examination2);
    QCOMPARE(bench.experiment.view().answerList, (QStringList{"Miotic", "Mydriatic"}));
    const RabResult &skipped = bench.practical.Rab_Results.at(2);
    QCOMPARE(skipped.Tension, QChar('H'));
    QCOMPARE(skipped.LightReflex, QChar('H'));
    QCOMPARE(skipped.CornealReflex, QChar('H'));
    QCOMPARE(skipped.SalineInstilled, QChar('N'));
    QVERIFY(!bench.practical.Rab_Exam2Result.recorded);
}

void TestRabbitExaminations::examination2DrawsAPlainClass_data()
{
    QTest::addColumn<QVector<float>>("draws");
    QTest::addColumn<QString>("drug");
    QTest::addColumn<QString>("drugClass");
    // The class is drawn first, then a drug of it.
    QTest::newRow("miotic, first") << QVector<float>{0.0f, 0.0f} << "Pilocarpine"
                                   << "Miotic";
    QTest::newRow("miotic, last") << QVector<float>{0.4f, 0.9f} << "Physostigmine"
                                  << "Miotic";
    QTest::newRow("mydriatic, first") << QVector<float>{0.5f, 0.0f} << "Atropine"
                                      << "Mydriatic";
    QTest::newRow("mydriatic, last") << QVector<float>{0.99f, 0.99f} << "Adrenaline"
                                     << "Mydriatic";
}

void TestRabbitExaminations::examination2DrawsAPlainClass()
{
    QFETCH(QVector<float>, draws);
    QFETCH(QString, drug);
    QFETCH(QString, drugClass);
    Bench bench(Mode::Examination, shippedDrugs(), {0.5f});
    bench.random.setValues(draws);
    bench.experiment.Next(QString());
    QCOMPARE(bench.experiment.drugs().drug(bench.experiment.CurDrug()).D_Name, drug);
    QCOMPARE(UnknownDraws::drugClass(bench.experiment.drugs().drug(bench.experiment.CurDrug())), drugClass);
}

void TestRabbitExaminations::examination2RecordsItsOwnResult()
{
    Bench bench(Mode::Examination);
    RabbitExperiment &x = bench.experiment;
    bench.random.setValues({0.0f});
    x.Next(QString());
    bench.random.setValues({0.5f});
    QCOMPARE(x.view().Lab_DName, QStringLiteral("Unknown Drug 1"));
    x.Cmd_Saline();
    x.chooseEye(Eye::Right);
    x.Cmd_Instill();
    x.chooseEye(Eye::Left);
    const QVector<RabResult> exam1 = bench.practical.Rab_Results;
    QCOMPARE(x.Identified(QStringLiteral("Miotic")), RabbitExperiment::Leave::ToResults);
    const RabExam2Result &r = bench.practical.Rab_Exam2Result;
    QVERIFY(r.recorded);
    QCOMPARE(r.DrugClass, QStringLiteral("Miotic"));
    QCOMPARE(r.result.DrugName, QStringLiteral("Pilocarpine"));
    QCOMPARE(r.result.Identified, QStringLiteral("Miotic"));
    QCOMPARE(r.result.Tension, QChar('D'));
    QCOMPARE(r.result.LightReflex, QChar('N'));
    QCOMPARE(r.result.SalineInstilled, QChar('Y'));
    QCOMPARE(bench.practical.Rab_Results.size(), exam1.size());
    for (int i = 0; i < exam1.size(); ++i)
        QCOMPARE(bench.practical.Rab_Results.at(i).DrugName, exam1.at(i).DrugName);
}

QTEST_APPLESS_MAIN(TestRabbitExaminations)
#include "tst_rabbit_examinations.moc"
