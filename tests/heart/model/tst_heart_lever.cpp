#include "heart/model/heart_fixture.h"
#include "heart/model/heart_lever.h"
#include "heart/model/heart_state.h"

#include <QTest>

using namespace HeartFixture;
using Heart::HeartLever;
using Heart::HeartPicture;
using Heart::LeverSwingStep;

namespace {

// A lever that has seen a beat of this stroke.
HeartLever leverAt(quint8 top, quint8 bottom)
{
    HeartLever lever;
    lever.followStroke(top, bottom);
    return lever;
}

// Plays the running swing to its end, one step at a time.
Heart::LeverDrawings playSwing(HeartLever &lever)
{
    Heart::LeverDrawings drawings;
    while (lever.swinging())
        drawings += lever.swingStep();
    return drawings;
}

} // namespace

class TestHeartLever : public QObject
{
    Q_OBJECT

private slots:
    void restSwingGoesUpAndBack();
    void leverBeforeTheFirstBeatDrawsAtOne();
    void swingIsPlayedStepByStep();
    void tickDuringSwingStartsTheNextWhenItEnds();
    void stoppingTheLeverDropsTheWaitingTick();
    void injectionFinishesTheRunningSwing();
    void repaintForgetsTheLineUnlessKept();
};

void TestHeartLever::restSwingGoesUpAndBack()
{
    const Heart::LeverSwingPlan plan = HeartLever::swingPlan(4250, 500, 4263);
    QCOMPARE(plan.removeAt, 4263);
    // i = 1, 17, ..., 497 up, the same back down; the line then stays at
    // 513 + 4250 - 500.
    QCOMPARE(plan.steps.size(), 64);
    QCOMPARE(plan.steps.at(0), (LeverSwingStep{4249, HeartPicture::Diastole}));
    QCOMPARE(plan.steps.at(31), (LeverSwingStep{3753, HeartPicture::Diastole}));
    QCOMPARE(plan.steps.at(32), (LeverSwingStep{3751, HeartPicture::Systole}));
    QCOMPARE(plan.steps.at(63), (LeverSwingStep{4247, HeartPicture::Systole}));
    QCOMPARE(plan.finalNeedle, 4263);
    // About half a second on the screen.
    QVERIFY(qAbs(plan.steps.size() * HeartLever::StepPauseMs - 500) <= 50);
}

void TestHeartLever::leverBeforeTheFirstBeatDrawsAtOne()
{
    HeartLever lever;
    QCOMPARE(leverTexts(lever.leverTick()), QStringList({"lever 1"}));
    QVERIFY(!lever.swinging());
    QCOMPARE(lever.lastneedle(), 1);
}

void TestHeartLever::swingIsPlayedStepByStep()
{
    HeartLever lever = leverAt(35, 36); // calcium's small swing: 110 twips, 7 steps each way
    QCOMPARE(leverTexts(lever.leverTick()), QStringList({"lever 3599"}));
    QVERIFY(lever.swinging());
    QCOMPARE(leverTexts(lever.swingStep()), QStringList({"lever 3599", "heart diastole", "lever 3583"}));

    const QStringList rest = leverTexts(playSwing(lever));
    QCOMPARE(rest.size(), 12 * 3 + 3);
    QCOMPARE(rest.mid(rest.size() - 3), QStringList({"lever 3587", "heart systole", "lever 3603"}));
    QCOMPARE(lever.lastneedle(), 3603);

    // The next beat first takes the line away from where the last one left it.
    QCOMPARE(leverTexts(lever.leverTick()), QStringList({"lever 3603", "lever 3599"}));
}

void TestHeartLever::tickDuringSwingStartsTheNextWhenItEnds()
{
    HeartLever lever = leverAt(35, 36);
    lever.leverTick();
    // Ticks that come while it swings wait for the swing; they start one.
    QVERIFY(lever.leverTick().isEmpty());
    QVERIFY(lever.leverTick().isEmpty());

    Heart::LeverDrawings drawings;
    for (int step = 0; step < 14; ++step)
        drawings = lever.swingStep();
    QCOMPARE(leverTexts(drawings),
             QStringList({"lever 3587", "heart systole", "lever 3603", "lever 3603", "lever 3599"}));
    QVERIFY(lever.swinging());
    playSwing(lever);
    QVERIFY(!lever.swinging());
}

void TestHeartLever::stoppingTheLeverDropsTheWaitingTick()
{
    HeartLever lever = leverAt(35, 36);
    lever.leverTick();
    lever.leverTick();
    lever.setAnimation(false);
    playSwing(lever);
    QVERIFY(!lever.swinging());
    QCOMPARE(lever.lastneedle(), 3603);
}

void TestHeartLever::injectionFinishesTheRunningSwing()
{
    Bench bench(Heart::Mode::Tutorial);
    bench.settle();
    bench.experiment.leverTick();
    bench.experiment.swingStep();

    const Heart::HeartDrawing drawing = bench.inject(KCl);
    const QStringList lever = leverTexts(drawing.lever);
    // 63 steps were left; then potassium holds the heart in diastole.
    QCOMPARE(lever.size(), 63 * 3 + 1);
    QCOMPARE(lever.mid(lever.size() - 4), QStringList({"lever 4247", "heart systole", "lever 4263", "heart systole"}));
    QVERIFY(!bench.run().lever.swinging());
    QCOMPARE(bench.run().lever.lastneedle(), 4263);
}

void TestHeartLever::repaintForgetsTheLineUnlessKept()
{
    HeartLever lever = leverAt(50, 80);
    lever.leverTick();
    lever.finishSwing();
    lever.paintpic1 = 1;
    lever.apparatusRepainted();
    QCOMPARE(lever.lastneedle(), 4263);
    QCOMPARE(lever.paintpic1, 0);
    lever.apparatusRepainted();
    QCOMPARE(lever.lastneedle(), 0);
}

QTEST_GUILESS_MAIN(TestHeartLever)
#include "tst_heart_lever.moc"
