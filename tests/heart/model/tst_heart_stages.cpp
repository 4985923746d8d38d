#include "heart/model/heart_fixture.h"
#include "heart/model/heart_stages.h"
#include "heart/model/heart_state.h"

#include <QTest>

using namespace HeartFixture;
using Heart::Stages::Exam3Choice;

namespace {

bool sameRow(const Heart::HeartExam3Row &row, int epi, int ach, int unknown)
{
    return row.EpiRate == epi && row.AChRate == ach && row.UnknownRate == unknown;
}

} // namespace

class TestHeartStages : public QObject
{
    Q_OBJECT

private slots:
    void freshPracticalStartsAtRest();
    void exam1GivesEveryDrugOnceThenExam2();
    void exam1KeepsRatesAndAnswersAsGiven();
    void emptyAnswerChangesNothing_data();
    void emptyAnswerChangesNothing();
    void exam2LogsTheUnknownByItsListText();
    void exam3KeepsARowPerHeart();
    void exam3Answer_data();
    void exam3Answer();
};

void TestHeartStages::freshPracticalStartsAtRest()
{
    // The front page starts each practical with a new state: nothing of the
    // previous student's stages may be in it.
    const Heart::HeartPractical practical;
    QCOMPARE(practical.Heart_Mode, Heart::Mode::None);
    QCOMPARE(practical.Heart_Started, 0);
    QCOMPARE(practical.Heart_Password, QString(10, u' '));
    QCOMPARE(practical.Heart_DrugCount, 0);
    for (quint8 used : practical.Heart_UnknownUsed)
        QCOMPARE(used, 0);
    QCOMPARE(practical.Heart_UnknownNo, 0);
    for (const Heart::HeartExam1Result &result : practical.Heart_Exam1Results) {
        QCOMPARE(result.Identified, QString());
        QCOMPARE(result.Rate, 0);
    }
    QCOMPARE(practical.Heart_Exam2Drug, QString());
    QCOMPARE(practical.Heart_Exam2Answer, QString());
    QCOMPARE(practical.Heart_Exam2Count, 0);
    QCOMPARE(practical.Heart_Exam2Log.size(), 1);
    QCOMPARE(practical.Heart_HeartNo, 0);
    // Examination 3 must start without rows.
    QCOMPARE(practical.Heart_Exam3Rates.size(), 1);
    QCOMPARE(practical.Heart_Exam3Drug, QString());
    QCOMPARE(practical.Heart_Exam3Answer, QString());
}

void TestHeartStages::exam1GivesEveryDrugOnceThenExam2()
{
    // Each load draws its unknown, then the basal rate. From the second load
    // on, the first draw finds drug 1 again, which was given: the drug set
    // reseeds and draws again, finding the next drug.
    QVector<float> draws;
    for (int d = 1; d <= 8; ++d) {
        if (d > 1)
            draws.append(0.0625f);
        draws << (d - 0.5f) / 8.0f << 0.5f;
    }
    FakeClock clock;
    ScriptedRandom random(draws);
    Heart::HeartPractical practical;
    practical.Heart_Mode = Heart::Mode::Exam1;

    QStringList given;
    int answers = 0;
    while (practical.Heart_Mode == Heart::Mode::Exam1 && answers < 20) {
        Heart::HeartExperiment experiment(practical);
        experiment.load(shippedDrugs());
        QCOMPARE(practical.Heart_Started, 1);
        given.append(practical.Heart_Exam1Results[practical.Heart_UnknownNo].Given);
        QVERIFY(Heart::Stages::answerExam1(practical, QStringLiteral("Atropine")));
        QCOMPARE(practical.Heart_Started, 0);
        ++answers;
    }

    QCOMPARE(answers, 8);
    QCOMPARE(practical.Heart_Mode, Heart::Mode::Exam2);
    QCOMPARE(practical.Heart_UnknownNo, 8);
    for (int d = 1; d <= 8; ++d)
        QCOMPARE(practical.Heart_UnknownUsed[d], 1);
    QStringList names;
    for (const HeartDrug &d : shippedDrugs())
        names.append(d.Name);
    QCOMPARE(given, names);
    QCOMPARE(random.seeds().size(), 8 + 7);
}

void TestHeartStages::exam1KeepsRatesAndAnswersAsGiven()
{
    // The draws of 0.5 make drug 5, atropine, the first unknown.
    Bench bench(Heart::Mode::Exam1);
    bench.settle();
    bench.inject(Atr);
    QCOMPARE(bench.practical.Heart_Exam1Results[1].Rate, 75);
    // A wrong answer is kept as it is.
    QVERIFY(Heart::Stages::answerExam1(bench.practical, QStringLiteral("Epinephrine")));
    QCOMPARE(bench.practical.Heart_Exam1Results[1].Identified, QStringLiteral("Epinephrine"));
    QCOMPARE(bench.practical.Heart_Exam1Results[1].Given, QStringLiteral("Atropine"));
    QCOMPARE(bench.practical.Heart_Mode, Heart::Mode::Exam1);

    // The next unknown, answered without an injection, keeps a rate of 0.
    bench.random.setValues({0.0f});
    Heart::HeartExperiment next(bench.practical);
    next.load(shippedDrugs());
    QCOMPARE(bench.practical.Heart_UnknownNo, 2);
    QCOMPARE(bench.practical.Heart_Exam1Results[2].Given, QStringLiteral("Epinephrine"));
    QVERIFY(Heart::Stages::answerExam1(bench.practical, QStringLiteral("Epinephrine")));
    QCOMPARE(bench.practical.Heart_Exam1Results[2].Rate, 0);
}

void TestHeartStages::emptyAnswerChangesNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("answer");

    QTest::newRow("examination 1, nothing chosen") << int(Heart::Mode::Exam1) << "";
    QTest::newRow("examination 1, blanks") << int(Heart::Mode::Exam1) << "   ";
    QTest::newRow("examination 2, nothing chosen") << int(Heart::Mode::Exam2) << "";
}

void TestHeartStages::emptyAnswerChangesNothing()
{
    QFETCH(int, mode);
    QFETCH(QString, answer);

    Bench bench{Heart::Mode(mode)};
    const bool answered = Heart::Mode(mode) == Heart::Mode::Exam1 ? Heart::Stages::answerExam1(bench.practical, answer)
                                                                  : Heart::Stages::answerExam2(bench.practical, answer);
    QVERIFY(!answered);
    QCOMPARE(bench.practical.Heart_Mode, Heart::Mode(mode));
    QCOMPARE(bench.practical.Heart_Started, 1);
    QCOMPARE(bench.practical.Heart_Exam1Results[1].Identified, QString());
    QCOMPARE(bench.practical.Heart_Exam2Answer, QString());
}

void TestHeartStages::exam2LogsTheUnknownByItsListText()
{
    // A draw of 0.5 hides atropine behind the unknown.
    Bench bench(Heart::Mode::Exam2);
    QCOMPARE(bench.practical.Heart_Exam2Drug, QStringLiteral("Atropine"));
    bench.settle();
    bench.inject(Epi);
    bench.ticks(76);
    bench.inject(8);

    QCOMPARE(bench.practical.Heart_Exam2Count, 2);
    QCOMPARE(bench.practical.Heart_Exam2Log.size(), 3);
    QCOMPARE(bench.practical.Heart_Exam2Log[1].DrugText, QStringLiteral("Epinephrine"));
    QCOMPARE(bench.practical.Heart_Exam2Log[1].Tone, QStringLiteral("N"));
    QCOMPARE(bench.practical.Heart_Exam2Log[1].Rate, 95);
    QCOMPARE(bench.practical.Heart_Exam2Log[2].DrugText, QStringLiteral("Unknown drug"));
    QCOMPARE(bench.practical.Heart_Exam2Log[2].Rate, 75);

    QVERIFY(Heart::Stages::answerExam2(bench.practical, QStringLiteral(" Atropine ")));
    QCOMPARE(bench.practical.Heart_Exam2Answer, QStringLiteral("Atropine"));
    QCOMPARE(bench.practical.Heart_Mode, Heart::Mode::Exam3);
    QCOMPARE(bench.practical.Heart_Started, 0);
}

void TestHeartStages::exam3KeepsARowPerHeart()
{
    // A draw of 0.5 hides acetylcholine behind the unknown.
    Bench bench(Heart::Mode::Exam3, exam3Drugs());
    bench.settle();
    bench.inject(0);
    bench.ticks(76);

    // Two new hearts; the second of them gets only the unknown.
    bench.experiment.New();
    const auto again = bench.experiment.New();
    QVERIFY(!again.load.newStage);
    QCOMPARE(bench.practical.Heart_HeartNo, 3);
    bench.settle();
    bench.inject(2);

    QCOMPARE(bench.practical.Heart_Exam3Rates.size(), 4);
    QVERIFY(sameRow(bench.practical.Heart_Exam3Rates[1], 95, 0, 0));
    QVERIFY(sameRow(bench.practical.Heart_Exam3Rates[2], 0, 0, 0));
    QVERIFY(sameRow(bench.practical.Heart_Exam3Rates[3], 0, 0, 47));
    // A new heart keeps the drug set and its unknown.
    QCOMPARE(bench.run().drugs.Combo_Drug.size(), 3);
    QCOMPARE(bench.practical.Heart_Exam3Drug, QStringLiteral("Acetylcholine"));
}

void TestHeartStages::exam3Answer_data()
{
    QTest::addColumn<Exam3Choice>("choice");
    QTest::addColumn<QString>("answer");

    QTest::newRow("epinephrine") << Exam3Choice::Epinephrine << "Epinephrine";
    QTest::newRow("acetylcholine") << Exam3Choice::Acetylcholine << "Acetylcholine";
    QTest::newRow("no option chosen") << Exam3Choice::None << "Not Identified";
}

void TestHeartStages::exam3Answer()
{
    QFETCH(Exam3Choice, choice);
    QFETCH(QString, answer);

    Heart::HeartPractical practical;
    Heart::Stages::answerExam3(practical, choice);
    QCOMPARE(practical.Heart_Exam3Answer, answer);
}

QTEST_GUILESS_MAIN(TestHeartStages)
#include "tst_heart_stages.moc"
