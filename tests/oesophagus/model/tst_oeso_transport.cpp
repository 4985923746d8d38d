#include "oesophagus/model/oeso_fixture.h"
#include "oesophagus/model/oeso_stopwatch.h"
#include "oesophagus/model/oeso_transport.h"

#include <QSet>
#include <QTest>

using namespace OesoFixture;
using Mod_Oeso::Mode;

class TestOesoTransport : public QObject
{
    Q_OBJECT

private slots:
    void drawInRange_data();
    void drawInRange();
    void interactions_data();
    void interactions();
    void interactionDrawsAgain();
    void frogAtHalfDraws();
    void travelFromAGivenStart();
    void stopwatch_data();
    void stopwatch();
};

void TestOesoTransport::drawInRange_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expectedValues");
    QTest::newRow("150 to 150") << 150 << 150 << 1;
    QTest::newRow("100 to 120") << 100 << 120 << 21;
}

void TestOesoTransport::drawInRange()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expectedValues);
    // Draws across [0, 1), the largest below 1 included.
    QVector<float> draws;
    for (int i = 0; i < 1000; ++i)
        draws << float(i) / 1000.0f;
    draws << 0.99999994f;
    ScriptedRandom random(draws);
    QSet<int> seen;
    for (int i = 0; i < draws.size(); ++i) {
        const int value = Mod_Oeso::DrawInRange(a, b);
        QVERIFY2(value >= a && value <= b, qPrintable(QString::number(value)));
        seen.insert(value);
    }
    QCOMPARE(int(seen.size()), expectedValues);
}

void TestOesoTransport::interactions_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("interval");
    // Every draw 0.5: Ringer 215, Acetylcholine 150, Carbachol (row 2) 108,
    // Physostigmine 175, Atropine 278 ms.
    QTest::newRow("acetylcholine after Ringer") << int(Ringer) << int(Acetylcholine) << 150;
    QTest::newRow("acetylcholine after atropine: baseline") << int(Atropine) << int(Acetylcholine) << 215;
    QTest::newRow("atropine after acetylcholine: baseline") << int(Acetylcholine) << int(Atropine) << 215;
    QTest::newRow("atropine after physostigmine: baseline") << int(Physostigmine) << int(Atropine) << 215;
    QTest::newRow("physostigmine after atropine: baseline") << int(Atropine) << int(Physostigmine) << 215;
    QTest::newRow("acetylcholine after physostigmine: row 2") << int(Physostigmine) << int(Acetylcholine) << 108;
    QTest::newRow("physostigmine after acetylcholine: its own") << int(Acetylcholine) << int(Physostigmine) << 175;
    QTest::newRow("atropine after Ringer") << int(Ringer) << int(Atropine) << 278;
}

void TestOesoTransport::interactions()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, interval);
    Bench bench(Mode::Tutorial);
    bench.instill(before);
    bench.instill(after);
    QCOMPARE(bench.experiment.interval(), interval);
    QCOMPARE(bench.experiment.view().drughistory.last(), bench.experiment.drugs().at(after).Drug);
}

void TestOesoTransport::interactionDrawsAgain()
{
    // The drug's own range is drawn first, then the interaction's range.
    Bench bench(Mode::Tutorial);
    bench.instill(Atropine);
    bench.random.setValues({0.0f, 0.99f});
    bench.instill(Acetylcholine);
    QCOMPARE(bench.experiment.interval(), 230); // Ringer's 200..230 at 0.99
}

void TestOesoTransport::frogAtHalfDraws()
{
    Bench bench(Mode::Tutorial);
    const Mod_Oeso::OesoExperiment &e = bench.experiment;
    QCOMPARE(e.FrogBias(), 2);
    QCOMPARE(e.Speed(), 14);
    QCOMPARE(e.seed().Top, 745);
    QCOMPARE(e.seed().Left, 1660);
    QCOMPARE(e.interval(), 215);
    const int ticks = bench.runSeed();
    QCOMPARE(ticks, 177);
    QCOMPARE(ticks * e.interval(), 38055);
    QCOMPARE(e.MonitorSeconds(), 38);
}

void TestOesoTransport::travelFromAGivenStart()
{
    Mod_Oeso::SeedPosition seed{700, 1500};
    int moves = 0;
    while (Mod_Oeso::advanceSeed(seed, 14))
        ++moves;
    QCOMPARE(moves, 179);
    QCOMPARE((moves + 1) * 150, 27000);
}

void TestOesoTransport::stopwatch_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first tick") << 1 << "00:00:01";
    QTest::newRow("a minute less a second") << 59 << "00:00:59";
    QTest::newRow("seconds carry") << 60 << "00:01:00";
    QTest::newRow("an hour less a second") << 3599 << "00:59:59";
    QTest::newRow("minutes carry") << 3600 << "01:00:00";
    QTest::newRow("the last second shown") << 359999 << "99:59:59";
    QTest::newRow("stands at the last second") << 360500 << "99:59:59";
}

void TestOesoTransport::stopwatch()
{
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    Mod_Oeso::OesoStopwatch watch;
    for (int i = 0; i < ticks; ++i)
        watch.tick();
    QCOMPARE(watch.hoursText() + u':' + watch.minutesText() + u':' + watch.secondsText(), shown);
}

QTEST_GUILESS_MAIN(TestOesoTransport)
#include "tst_oeso_transport.moc"
