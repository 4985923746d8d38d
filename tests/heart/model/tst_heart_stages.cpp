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
    void frontPageStartsAfresh();
    void exam1GivesEveryDrugOnceThenExam2();
    void exam1KeepsRatesAndAnswersAsGiven();
    void emptyAnswerChangesNothing_data();
    void emptyAnswerChangesNothing();
    void exam2LogsTheUnknownByItsListText();
    void exam3KeepsARowPerHeart();
    void exam3Answer_data();
    void exam3Answer();
};

void TestHeartStages::frontPageStartsAfresh()
{
    Heart::Heart_Mode = Heart::Exam3Mode;
    Heart::Heart_Started = 1;
    Heart::Heart_DrugCount = 8;
    Heart::Heart_UnknownUsed[2] = 1;
    Heart::Heart_UnknownNo = 8;
    Heart::Heart_Exam1Results[1].Identified = QStringLiteral("Atropine");
    Heart::Heart_Exam2Drug = QStringLiteral("Atropine");
    Heart::Heart_Exam2Answer = QStringLiteral("Atropine");
    Heart::Heart_Exam2Count = 2;
    Heart::Heart_Exam2Log.resize(3);
    Heart::Heart_HeartNo = 2;
    Heart::Heart_Exam3Rates = QVector<Heart::HeartExam3Row>(3, Heart::HeartExam3Row{95, 47, 95});
    Heart::Heart_Exam3Drug = QStringLiteral("Epinephrine");
    Heart::Heart_Exam3Answer = QStringLiteral("Epinephrine");

    Heart::resetPractical();
    QCOMPARE(Heart::Heart_Mode, 0);
    QCOMPARE(Heart::Heart_Started, 0);
    QCOMPARE(Heart::Heart_Password, QString(10, u' '));
    QCOMPARE(Heart::Heart_DrugCount, 0);
    QCOMPARE(Heart::Heart_UnknownUsed[2], 0);
    QCOMPARE(Heart::Heart_UnknownNo, 0);
    QCOMPARE(Heart::Heart_Exam1Results[1].Identified, QString());
    QCOMPARE(Heart::Heart_Exam2Drug, QString());
    QCOMPARE(Heart::Heart_Exam2Answer, QString());
    QCOMPARE(Heart::Heart_Exam2Count, 0);
    QCOMPARE(Heart::Heart_Exam2Log.size(), 1);
    // The next student's Examination 3 must not start with these rows.
    QCOMPARE(Heart::Heart_Exam3Rates.size(), 1);
    QCOMPARE(Heart::Heart_Exam3Drug, QString());
    QCOMPARE(Heart::Heart_Exam3Answer, QString());
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
    Heart::resetPractical();
    Heart::Heart_Mode = Heart::Exam1Mode;

    QStringList given;
    int answers = 0;
    while (Heart::Heart_Mode == Heart::Exam1Mode && answers < 20) {
        Heart::HeartExperiment experiment;
        experiment.load(shippedDrugs());
        QCOMPARE(Heart::Heart_Started, 1);
        given.append(Heart::Heart_Exam1Results[Heart::Heart_UnknownNo].Given);
        QVERIFY(Heart::Stages::answerExam1(QStringLiteral("Atropine")));
        QCOMPARE(Heart::Heart_Started, 0);
        ++answers;
    }

    QCOMPARE(answers, 8);
    QCOMPARE(Heart::Heart_Mode, Heart::Exam2Mode);
    QCOMPARE(Heart::Heart_UnknownNo, 8);
    for (int d = 1; d <= 8; ++d)
        QCOMPARE(Heart::Heart_UnknownUsed[d], 1);
    QStringList names;
    for (const HeartDrug &d : shippedDrugs())
        names.append(d.Name);
    QCOMPARE(given, names);
    QCOMPARE(random.seeds().size(), 8 + 7);
}

void TestHeartStages::exam1KeepsRatesAndAnswersAsGiven()
{
    // The draws of 0.5 make drug 5, atropine, the first unknown.
    Bench bench(Heart::Exam1Mode);
    bench.settle();
    bench.inject(Atr);
    QCOMPARE(Heart::Heart_Exam1Results[1].Rate, 75);
    // A wrong answer is kept as it is.
    QVERIFY(Heart::Stages::answerExam1(QStringLiteral("Epinephrine")));
    QCOMPARE(Heart::Heart_Exam1Results[1].Identified, QStringLiteral("Epinephrine"));
    QCOMPARE(Heart::Heart_Exam1Results[1].Given, QStringLiteral("Atropine"));
    QCOMPARE(Heart::Heart_Mode, Heart::Exam1Mode);

    // The next unknown, answered without an injection, keeps a rate of 0.
    bench.random.setValues({0.0f});
    Heart::HeartExperiment next;
    next.load(shippedDrugs());
    QCOMPARE(Heart::Heart_UnknownNo, 2);
    QCOMPARE(Heart::Heart_Exam1Results[2].Given, QStringLiteral("Epinephrine"));
    QVERIFY(Heart::Stages::answerExam1(QStringLiteral("Epinephrine")));
    QCOMPARE(Heart::Heart_Exam1Results[2].Rate, 0);
}

void TestHeartStages::emptyAnswerChangesNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("answer");

    QTest::newRow("examination 1, nothing chosen") << int(Heart::Exam1Mode) << "";
    QTest::newRow("examination 1, blanks") << int(Heart::Exam1Mode) << "   ";
    QTest::newRow("examination 2, nothing chosen") << int(Heart::Exam2Mode) << "";
}

void TestHeartStages::emptyAnswerChangesNothing()
{
    QFETCH(int, mode);
    QFETCH(QString, answer);

    Bench bench{quint8(mode)};
    const bool answered = mode == Heart::Exam1Mode ? Heart::Stages::answerExam1(answer)
                                                   : Heart::Stages::answerExam2(answer);
    QVERIFY(!answered);
    QCOMPARE(Heart::Heart_Mode, mode);
    QCOMPARE(Heart::Heart_Started, 1);
    QCOMPARE(Heart::Heart_Exam1Results[1].Identified, QString());
    QCOMPARE(Heart::Heart_Exam2Answer, QString());
}

void TestHeartStages::exam2LogsTheUnknownByItsListText()
{
    // A draw of 0.5 hides atropine behind the unknown.
    Bench bench(Heart::Exam2Mode);
    QCOMPARE(Heart::Heart_Exam2Drug, QStringLiteral("Atropine"));
    bench.settle();
    bench.inject(Epi);
    bench.ticks(76);
    bench.inject(8);

    QCOMPARE(Heart::Heart_Exam2Count, 2);
    QCOMPARE(Heart::Heart_Exam2Log.size(), 3);
    QCOMPARE(Heart::Heart_Exam2Log[1].DrugText, QStringLiteral("Epinephrine"));
    QCOMPARE(Heart::Heart_Exam2Log[1].Tone, QStringLiteral("N"));
    QCOMPARE(Heart::Heart_Exam2Log[1].Rate, 95);
    QCOMPARE(Heart::Heart_Exam2Log[2].DrugText, QStringLiteral("Unknown drug"));
    QCOMPARE(Heart::Heart_Exam2Log[2].Rate, 75);

    QVERIFY(Heart::Stages::answerExam2(QStringLiteral(" Atropine ")));
    QCOMPARE(Heart::Heart_Exam2Answer, QStringLiteral("Atropine"));
    QCOMPARE(Heart::Heart_Mode, Heart::Exam3Mode);
    QCOMPARE(Heart::Heart_Started, 0);
}

void TestHeartStages::exam3KeepsARowPerHeart()
{
    // A draw of 0.5 hides acetylcholine behind the unknown.
    Bench bench(Heart::Exam3Mode, exam3Drugs());
    bench.settle();
    bench.inject(0);
    bench.ticks(76);

    // Two new hearts; the second of them gets only the unknown.
    bench.experiment.New();
    const auto again = bench.experiment.New();
    QVERIFY(!again.load.newStage);
    QCOMPARE(Heart::Heart_HeartNo, 3);
    bench.settle();
    bench.inject(2);

    QCOMPARE(Heart::Heart_Exam3Rates.size(), 4);
    QVERIFY(sameRow(Heart::Heart_Exam3Rates[1], 95, 0, 0));
    QVERIFY(sameRow(Heart::Heart_Exam3Rates[2], 0, 0, 0));
    QVERIFY(sameRow(Heart::Heart_Exam3Rates[3], 0, 0, 47));
    // A new heart keeps the drug set and its unknown.
    QCOMPARE(bench.run().drugs.Combo_Drug.size(), 3);
    QCOMPARE(Heart::Heart_Exam3Drug, QStringLiteral("Acetylcholine"));
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

    Heart::Stages::answerExam3(choice);
    QCOMPARE(Heart::Heart_Exam3Answer, answer);
}

QTEST_GUILESS_MAIN(TestHeartStages)
#include "tst_heart_stages.moc"
