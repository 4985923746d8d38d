#include "heart/model/heart_beat.h"
#include "heart/model/heart_fixture.h"
#include "heart/model/heart_lever.h"
#include "heart/model/heart_state.h"
#include "support/seams/timer_schedule.h"

#include <QTest>

using namespace HeartFixture;
using Heart::HeartLever;
using Heart::HeartPicture;
using Heart::LeverSwingStep;

Q_DECLARE_METATYPE(HeartDrug)

namespace {

// A lever that has seen a beat of this stroke.
HeartLever leverAt(quint8 top, quint8 bottom)
{
    HeartLever lever;
    lever.followStroke(top, bottom);
    return lever;
}

// Plays the running swing to its end, one frame at a time.
Heart::LeverDrawings playSwing(HeartLever &lever)
{
    Heart::LeverDrawings drawings;
    while (lever.swinging())
        drawings += lever.swingFrame();
    return drawings;
}

// What the lever did over a stretch of simulated time.
struct LeverRun
{
    // Each time the heart turned from diastole to systole: one per swing.
    int beats = 0;
    // Lever ticks that came while the last swing was still running.
    int ticksDuringSwing = 0;
};

// The heart window's three timers played over its model in simulated time:
// Timer_Heart every 100 ms, lever1 at the lever's interval while it is on,
// the swing's frames at its frame pause while it swings.
class LeverTimers
{
public:
    explicit LeverTimers(Bench &bench)
    {
        Heart::HeartExperiment &experiment = bench.experiment;
        const HeartLever &lever = experiment.state().lever;
        m_schedule.add({[] { return true; }, [] { return Heart::Beat::TickMs; },
                        [this, &experiment] { see(experiment.beatTick().lever); }});
        m_schedule.add({[&lever] { return lever.timerOn(); }, [&lever] { return lever.interval(); },
                        [this, &experiment, &lever] {
                            if (lever.swinging())
                                ++m_run.ticksDuringSwing;
                            see(experiment.leverTick());
                        }});
        m_schedule.add({[&lever] { return lever.swinging(); }, [&lever] { return lever.framePauseMs(); },
                        [this, &experiment] { see(experiment.swingFrame()); }});
    }

    LeverRun run(int ms)
    {
        m_run = {};
        m_schedule.run(ms);
        return m_run;
    }

private:
    void see(const Heart::LeverDrawings &drawings)
    {
        for (const Heart::LeverDrawing &drawing : drawings) {
            if (const auto *show = std::get_if<Heart::ShowHeart>(&drawing)) {
                if (show->picture == HeartPicture::Systole && m_shown == HeartPicture::Diastole)
                    ++m_run.beats;
                m_shown = show->picture;
            }
        }
    }

    TimerSchedule m_schedule;
    LeverRun m_run;
    HeartPicture m_shown = HeartPicture::Systole;
};

// Seven seconds: 70 beat ticks, so a drug injected at its start still acts
// at its end.
constexpr int StretchMs = 7000;

QByteArray beatsText(int beats, double expected)
{
    return QByteArray::number(beats) + " beats, expected about " + QByteArray::number(expected);
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
    void paceFitsTheSwingInsideTheInterval_data();
    void paceFitsTheSwingInsideTheInterval();
    void quickIntervalsSwingAsFastAsTheScreenShows_data();
    void quickIntervalsSwingAsFastAsTheScreenShows();
    void framesHoldSeveralStepsAndEndAsStepByStep();
    void leverBeatsOncePerInterval_data();
    void leverBeatsOncePerInterval();
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
    // About half a second on the screen, ending before the next beat.
    const Heart::SwingPace pace = HeartLever::paceFor(500, int(plan.steps.size()));
    const int frames = (int(plan.steps.size()) + pace.stepsPerFrame - 1) / pace.stepsPerFrame;
    QVERIFY2(frames * pace.pauseMs >= 400 && frames * pace.pauseMs < 500, QByteArray::number(frames * pace.pauseMs));
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
    QCOMPARE(leverTexts(lever.swingFrame()), QStringList({"lever 3599", "heart diastole", "lever 3583"}));

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
        drawings = lever.swingFrame();
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
    bench.experiment.swingFrame();

    const Heart::HeartDrawing drawing = bench.inject(KCl);
    const QStringList lever = leverTexts(drawing.lever);
    // The first frame showed 3 of the 64 steps; the other 61 are played at
    // once, then potassium holds the heart in diastole.
    QCOMPARE(lever.size(), 61 * 3 + 1);
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

void TestHeartLever::paceFitsTheSwingInsideTheInterval_data()
{
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("stepsPerFrame");
    QTest::addColumn<int>("pauseMs");

    QTest::newRow("rest swing at rest: 22 frames of 20 ms") << 500 << 64 << 3 << 20;
    QTest::newRow("tallest swing at the longest interval the rates allow") << 1775 << 126 << 2 << 25;
    QTest::newRow("atropine's 600-twip swing every 400 ms") << 400 << 76 << 4 << 18;
    QTest::newRow("acetylcholine's small swing at 47 beats/min: a step a frame") << 735 << 26 << 1 << 25;
    QTest::newRow("calcium's 14 steps at rest: a step a frame") << 500 << 14 << 1 << 32;
}

void TestHeartLever::paceFitsTheSwingInsideTheInterval()
{
    QFETCH(int, intervalMs);
    QFETCH(int, steps);
    QFETCH(int, stepsPerFrame);
    QFETCH(int, pauseMs);

    const Heart::SwingPace pace = HeartLever::paceFor(intervalMs, steps);
    QCOMPARE(pace, (Heart::SwingPace{stepsPerFrame, pauseMs}));
    // No frame passes faster than the screen shows it, and the lever rests a
    // little before the next tick.
    QVERIFY(pace.pauseMs >= HeartLever::FrameMs);
    const int frames = (steps + stepsPerFrame - 1) / stepsPerFrame;
    QVERIFY(frames * pace.pauseMs < intervalMs);
}

void TestHeartLever::quickIntervalsSwingAsFastAsTheScreenShows_data()
{
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("steps");

    QTest::newRow("an increase: 5 ms, the rest swing") << 5 << 64;
    QTest::newRow("the fastest increase the rates allow, the tallest swing") << 2 << 126;
    QTest::newRow("just too short for four frames") << 70 << 114;
}

void TestHeartLever::quickIntervalsSwingAsFastAsTheScreenShows()
{
    QFETCH(int, intervalMs);
    QFETCH(int, steps);

    // Four frames a swing (up, the top, down, the foot), each on the screen
    // for one refresh.
    const Heart::SwingPace pace = HeartLever::paceFor(intervalMs, steps);
    QCOMPARE(pace.pauseMs, HeartLever::FrameMs);
    QCOMPARE((steps + pace.stepsPerFrame - 1) / pace.stepsPerFrame, HeartLever::MinFrames);
}

void TestHeartLever::framesHoldSeveralStepsAndEndAsStepByStep()
{
    // The rest swing at rest: three steps a frame.
    HeartLever stepwise = leverAt(50, 80);
    HeartLever framed = stepwise;
    stepwise.leverTick();
    const Heart::LeverDrawings all = stepwise.finishSwing();
    QCOMPARE(leverTexts(framed.leverTick()), QStringList({"lever 4249"}));
    const QStringList first = leverTexts(framed.swingFrame());
    QCOMPARE(first, leverTexts(all).mid(0, 9));
    QCOMPARE(first.mid(6), QStringList({"lever 4217", "heart diastole", "lever 4201"}));
    // The frames together draw what the steps one by one draw.
    QCOMPARE(first + leverTexts(playSwing(framed)), leverTexts(all));
    QCOMPARE(framed.lastneedle(), stepwise.lastneedle());
}

void TestHeartLever::leverBeatsOncePerInterval_data()
{
    QTest::addColumn<HeartDrug>("drug");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("beatMs");

    const QVector<HeartDrug> drugs = shippedDrugs();
    constexpr int FastestSwingMs = HeartLever::MinFrames * HeartLever::FrameMs;
    // The basal box shows 75 throughout. An increase's interval of a few
    // milliseconds is shorter than a swing can be shown in: the lever beats
    // as fast as the screen shows its swings.
    QTest::newRow("increase: epinephrine at 95 beats/min, every 500 / 95 ms") << drugs.at(Epi) << 5 << FastestSwingMs;
    QTest::newRow("increase with the tallest swing: isoprenaline at 103") << drugs.at(Iso) << 5 << FastestSwingMs;
    QTest::newRow("decrease: acetylcholine at 47 beats/min") << drugs.at(ACh) << 735 << 735;
    QTest::newRow("decrease: propranolol at 66 beats/min") << drugs.at(Prop) << 830 << 830;
    QTest::newRow("atropine with an increase code, every 400 ms")
        << drug("Atropine", "Atr", 10, u'N', 0, 3, 80, 49, u'I') << 400 << 400;
    QTest::newRow("no change: atropine as shipped, every 500 ms") << drugs.at(Atr) << 500 << 500;
}

void TestHeartLever::leverBeatsOncePerInterval()
{
    QFETCH(HeartDrug, drug);
    QFETCH(int, intervalMs);
    QFETCH(int, beatMs);

    Bench bench(Heart::Mode::Tutorial, {drug});
    bench.settle();
    LeverTimers timers(bench);
    const LeverRun rest = timers.run(StretchMs);
    bench.inject(0);
    QCOMPARE(bench.run().lever.interval(), intervalMs);
    const LeverRun acting = timers.run(StretchMs);

    // About 60000 / interval beats a minute, at rest and under the drug (the
    // injection restarts lever1, and a beat shows halfway through its swing,
    // so the stretch may lose a beat at either end)...
    const double restBeats = double(StretchMs) / HeartLever::RestIntervalMs;
    QVERIFY2(qAbs(rest.beats - restBeats) < 2.0, beatsText(rest.beats, restBeats));
    const double actingBeats = double(StretchMs) / beatMs;
    QVERIFY2(qAbs(acting.beats - actingBeats) < 2.0, beatsText(acting.beats, actingBeats));
    // ...each swing over before the next lever tick where the interval
    // holds a swing...
    QCOMPARE(rest.ticksDuringSwing, 0);
    if (beatMs == intervalMs)
        QCOMPARE(acting.ticksDuringSwing, 0);
    // ...so a faster heart beats the lever more often, a slower one less.
    if (intervalMs < HeartLever::RestIntervalMs)
        QVERIFY(acting.beats > rest.beats);
    if (intervalMs > HeartLever::RestIntervalMs)
        QVERIFY(acting.beats < rest.beats);
}

QTEST_GUILESS_MAIN(TestHeartLever)
#include "tst_heart_lever.moc"
