#include "heart/model/heart_fixture.h"
#include "heart/model/heart_state.h"
#include "support/seams/paper_text.h"

#include <QTest>

using namespace HeartFixture;

class TestHeartBeat : public QObject
{
    Q_OBJECT

private slots:
    void eachTickMovesThePaperThenStrokes();
    void strokeJitter_data();
    void strokeJitter();
    void peakRateShownOn41stTick();
    void washOutOn76thTick();
    void drugLevelReachesZeroOn80thTick();
    void restWashesOutEvery75Ticks();
    void leverFollowsTheStroke();
};

void TestHeartBeat::eachTickMovesThePaperThenStrokes()
{
    Bench bench(Heart::Mode::Tutorial);
    // A draw of 0.5 puts the rest stroke 3 pixels down.
    QCOMPARE(PaperText::lines(bench.ticks(2).paper),
             QStringList({"advance 1", "stroke 53-83", "advance 1", "stroke 53-83"}));
}

void TestHeartBeat::strokeJitter_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("stroke");

    QTest::newRow("at rest, least offset") << -1 << 0.0f << "stroke 51-81";
    QTest::newRow("at rest, largest offset") << -1 << 0.999f << "stroke 54-84";
    QTest::newRow("potassium arrest, least offset") << int(KCl) << 0.0f << "stroke 85-86";
    QTest::newRow("potassium arrest, largest offset") << int(KCl) << 0.999f << "stroke 86-87";
}

void TestHeartBeat::strokeJitter()
{
    QFETCH(int, position);
    QFETCH(float, draw);
    QFETCH(QString, stroke);

    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    if (position >= 0)
        bench.inject(position);
    bench.random.setValues({draw});
    QCOMPARE(PaperText::lines(bench.ticks(1).paper).last(), stroke);
}

void TestHeartBeat::peakRateShownOn41stTick()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.inject(Epi);
    bench.ticks(40);
    QCOMPARE(bench.shown().TxtHR_Drug, QString());
    bench.ticks(1);
    QCOMPARE(bench.shown().TxtHR_Drug, QStringLiteral("95"));
}

void TestHeartBeat::washOutOn76thTick()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.inject(Epi);
    const Heart::HeartDrawing acting = bench.ticks(75);
    QVERIFY(!PaperText::lines(acting.paper).join(QLatin1Char('\n')).contains(QLatin1String("mark")));
    QCOMPARE(bench.shown().Lab_drugname, QStringLiteral("Epinephrine"));
    QCOMPARE(bench.run().TraceTop, 90);

    const Heart::HeartDrawing washOut = bench.ticks(1);
    QCOMPARE(PaperText::lines(washOut.paper),
             QStringList({"advance 1", "mark ink: -45,100 b10 ^; -43,102 b10 |; -50,123 r8 95HR", "stroke 53-83"}));
    QCOMPARE(bench.shown().Lab_drugname, QStringLiteral("None"));
    QCOMPARE(bench.run().TickCount, 1);
}

void TestHeartBeat::drugLevelReachesZeroOn80thTick()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    QCOMPARE(bench.shown().ProBar_Time, 0.0f);
    bench.inject(Epi);
    bench.ticks(79);
    QCOMPARE(bench.shown().ProBar_Time, 1.25f);
    bench.ticks(1);
    QCOMPARE(bench.shown().ProBar_Time, 0.0f);
    bench.ticks(1);
    QCOMPARE(bench.shown().ProBar_Time, 0.0f);

    // A new injection fills the bar again.
    bench.inject(Epi);
    bench.ticks(40);
    QCOMPARE(bench.shown().ProBar_Time, 50.0f);
}

void TestHeartBeat::restWashesOutEvery75Ticks()
{
    Bench bench(Heart::Mode::Tutorial);
    QCOMPARE(bench.shown().lbl_warning, QStringLiteral("Wait till the heart stabilizes; Then inject"));
    QVERIFY(bench.loaded.enables.contains(Heart::EnableChange{Heart::HeartControl::Cmd_inject, false}));

    bench.ticks(75);
    QCOMPARE(bench.shown().Txt_BHR, QString());
    const Heart::HeartDrawing first = bench.ticks(1);
    QCOMPARE(bench.shown().Txt_BHR, QStringLiteral("75"));
    QVERIFY(first.enables.contains(Heart::EnableChange{Heart::HeartControl::Cmd_inject, true}));
    // At rest there is no drug to mark.
    QCOMPARE(PaperText::lines(first.paper), QStringList({"advance 1", "stroke 53-83"}));

    QVERIFY(bench.ticks(74).enables.isEmpty());
    QVERIFY(!bench.ticks(1).enables.isEmpty());
}

void TestHeartBeat::leverFollowsTheStroke()
{
    Bench bench(Heart::Mode::Tutorial, {shippedDrugs().at(Epi), drug("Odd", "Odd", 1, u'N', 1, 2, 70, 20, u'I')});
    QCOMPARE(bench.run().lever.LeverBase(), 0);
    QCOMPARE(bench.run().lever.LeverSwing(), 0);
    bench.settle();
    QCOMPARE(bench.run().lever.LeverBase(), 4250);
    QCOMPARE(bench.run().lever.LeverSwing(), 500);

    bench.inject(0);
    bench.ticks(1);
    QCOMPARE(bench.run().lever.LeverBase(), 4450);
    QCOMPARE(bench.run().lever.LeverSwing(), 900);

    // A stroke the lever table does not hold leaves the swing as it was.
    bench.inject(1);
    bench.ticks(1);
    QCOMPARE(bench.run().TraceTop, 70);
    QCOMPARE(bench.run().lever.LeverBase(), 4450);
    QCOMPARE(bench.run().lever.LeverSwing(), 900);
}

QTEST_GUILESS_MAIN(TestHeartBeat)
#include "tst_heart_beat.moc"
