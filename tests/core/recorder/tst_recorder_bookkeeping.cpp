#include "core/recorder/paper_bookkeeping.h"

#include <QTest>

namespace {

using ValueZero = PaperBookkeeping::ValueZero;

constexpr qint16 HeartWidth = 337;
constexpr qint16 IleumWidth = 497;

PaperBookkeeping heartPaper()
{
    return PaperBookkeeping(HeartWidth, ValueZero::CountedFromStart);
}

PaperBookkeeping ileumPaper()
{
    return PaperBookkeeping(IleumWidth, ValueZero::LivePosition);
}

// The heart moves its paper one pixel at every beat tick.
void ticks(PaperBookkeeping &paper, int count)
{
    for (int i = 0; i < count; ++i)
        paper.advance(1);
}

// Each ileum injection moves the paper 40 pixels and leaves the live end there.
void injections(PaperBookkeeping &paper, int count)
{
    for (int i = 0; i < count; ++i) {
        paper.showLivePosition();
        paper.advance(40);
        paper.storeLivePosition();
    }
}

} // namespace

class TestRecorderBookkeeping : public QObject
{
    Q_OBJECT

private slots:
    void freshPaperShowsItAll_data();
    void freshPaperShowsItAll();
    void ileumRangeGrowsWithInjections_data();
    void ileumRangeGrowsWithInjections();
    void heartRangeGrowsWithTicks_data();
    void heartRangeGrowsWithTicks();
    void heartDrugMarksCountInOneSum_data();
    void heartDrugMarksCountInOneSum();
    void widthStopsAtTheLimit_data();
    void widthStopsAtTheLimit();
    void advancesEndExactlyFull();
    void scrollRangeRunsBackwards_data();
    void scrollRangeRunsBackwards();
    void ileumValueZeroShowsLivePosition();
    void ileumInjectsAtLiveEndAfterScrollingBack();
    void resetReturnsToStart();
    void stopKeepsPenAndPaper();
    void sumsStopAtTheSixteenBitLimit();
};

void TestRecorderBookkeeping::freshPaperShowsItAll_data()
{
    QTest::addColumn<qint16>("width");
    QTest::addColumn<ValueZero>("valueZero");
    QTest::addColumn<qint16>("scrollUnit");
    QTest::newRow("heart, 337 pixels") << HeartWidth << ValueZero::CountedFromStart << qint16(84);
    QTest::newRow("ileum, 497 pixels") << IleumWidth << ValueZero::LivePosition << qint16(124);
}

void TestRecorderBookkeeping::freshPaperShowsItAll()
{
    QFETCH(qint16, width);
    QFETCH(ValueZero, valueZero);
    QFETCH(qint16, scrollUnit);
    PaperBookkeeping paper(width, valueZero);
    QCOMPARE(paper.paperWidth(), width);
    QCOMPARE(paper.PaperStartWidth(), width);
    QCOMPARE(paper.ScrollThreshold(), width);
    QCOMPARE(paper.ScrollUnit(), scrollUnit);
    QCOMPARE(paper.ScrollStep(), qint16(4));
    QCOMPARE(paper.PaperUsed(), qint16(0));
    QCOMPARE(paper.scrollMin(), qint16(0));
    QCOMPARE(paper.scrollMax(), qint16(0));
    // The thumb's only position changes nothing.
    paper.scrollTo(0);
    QCOMPARE(paper.paperLeft(), qint16(0));
    QVERIFY(!paper.isPaperFull());
}

void TestRecorderBookkeeping::ileumRangeGrowsWithInjections_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint16>("min");
    QTest::newRow("13 injections: still no range") << 13 << qint16(0);
    QTest::newRow("the 14th grows it by 4") << 14 << qint16(4);
    QTest::newRow("the 17th: unchanged") << 17 << qint16(4);
    QTest::newRow("the 18th: by 1") << 18 << qint16(5);
    QTest::newRow("then every 4th: the 22nd") << 22 << qint16(6);
}

void TestRecorderBookkeeping::ileumRangeGrowsWithInjections()
{
    QFETCH(int, count);
    QFETCH(qint16, min);
    PaperBookkeeping paper = ileumPaper();
    injections(paper, count);
    QCOMPARE(paper.scrollMin(), min);
    QCOMPARE(paper.paperWidth(), qint16(IleumWidth + 40 * count));
    QCOMPARE(paper.paperLeft(), qint16(-40 * count));
}

void TestRecorderBookkeeping::heartRangeGrowsWithTicks_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint16>("min");
    QTest::addColumn<qint16>("scrollStep");
    QTest::newRow("338 ticks: still no range") << 338 << qint16(0) << qint16(4);
    QTest::newRow("the 339th grows it by 4") << 339 << qint16(4) << qint16(1);
    QTest::newRow("the 423rd: unchanged") << 423 << qint16(4) << qint16(1);
    QTest::newRow("85 ticks later: by 1") << 424 << qint16(5) << qint16(1);
}

void TestRecorderBookkeeping::heartRangeGrowsWithTicks()
{
    QFETCH(int, count);
    QFETCH(qint16, min);
    QFETCH(qint16, scrollStep);
    PaperBookkeeping paper = heartPaper();
    ticks(paper, count);
    QCOMPARE(paper.scrollMin(), min);
    QCOMPARE(paper.ScrollStep(), scrollStep);
}

void TestRecorderBookkeeping::heartDrugMarksCountInOneSum_data()
{
    QTest::addColumn<int>("stepsBeforeSum");
    QTest::addColumn<qint16>("sum");
    QTest::addColumn<int>("ticksToGrowth");
    // After 300 ticks the range grows at the tick that finds more than 337
    // pixels consumed; the four pen steps of a sequence do not count.
    QTest::newRow("no mark: the 39th tick") << 0 << qint16(0) << 39;
    QTest::newRow("recovery, 3 before its steps: the 36th") << 0 << qint16(3) << 36;
    QTest::newRow("arrest, 4 after its first step: the 35th") << 1 << qint16(4) << 35;
}

void TestRecorderBookkeeping::heartDrugMarksCountInOneSum()
{
    QFETCH(int, stepsBeforeSum);
    QFETCH(qint16, sum);
    QFETCH(int, ticksToGrowth);
    PaperBookkeeping paper = heartPaper();
    ticks(paper, 300);
    const int steps = sum == 0 ? 0 : 4;
    for (int step = 0; step < steps; ++step) {
        if (step == stepsBeforeSum)
            paper.addPaperUsed(sum);
        paper.grow(1);
    }
    QCOMPARE(paper.PaperUsed(), qint16(300 + sum));
    QCOMPARE(paper.paperWidth(), qint16(HeartWidth + 300 + steps));
    int count = 0;
    while (paper.scrollMin() == 0) {
        paper.advance(1);
        ++count;
    }
    QCOMPARE(count, ticksToGrowth);
}

void TestRecorderBookkeeping::widthStopsAtTheLimit_data()
{
    QTest::addColumn<qint16>("width");
    QTest::addColumn<bool>("advance");
    QTest::addColumn<qint16>("n");
    QTest::addColumn<qint16>("widthAfter");
    QTest::newRow("16382 pixels is not full; one more fills it") << qint16(16382) << true << qint16(1) << qint16(16383);
    QTest::newRow("40 pixels from 16380 stop at 16383") << qint16(16380) << true << qint16(40) << qint16(16383);
    QTest::newRow("a pen step on a full paper keeps its width") << qint16(16383) << false << qint16(1) << qint16(16383);
}

void TestRecorderBookkeeping::widthStopsAtTheLimit()
{
    QFETCH(qint16, width);
    QFETCH(bool, advance);
    QFETCH(qint16, n);
    QFETCH(qint16, widthAfter);
    PaperBookkeeping paper = heartPaper();
    paper.grow(qint16(width - HeartWidth));
    QCOMPARE(paper.isPaperFull(), width == PaperBookkeeping::MaxPaperWidth);
    const qint16 left = paper.paperLeft();
    if (advance)
        paper.advance(n);
    else
        paper.grow(n);
    QCOMPARE(paper.paperWidth(), widthAfter);
    QVERIFY(paper.isPaperFull());
    // The paper still moves the whole step left.
    QCOMPARE(paper.paperLeft(), qint16(left - n));
}

void TestRecorderBookkeeping::advancesEndExactlyFull()
{
    PaperBookkeeping paper = ileumPaper();
    int count = 0;
    while (!paper.isPaperFull()) {
        paper.advance(40);
        QVERIFY(paper.paperWidth() <= PaperBookkeeping::MaxPaperWidth);
        ++count;
    }
    QCOMPARE(paper.paperWidth(), PaperBookkeeping::MaxPaperWidth);
    QCOMPARE(count, 398); // 497 + 397 x 40 = 16377; the 398th stops at the limit
}

void TestRecorderBookkeeping::scrollRangeRunsBackwards_data()
{
    QTest::addColumn<qint16>("value");
    QTest::addColumn<qint16>("left");
    QTest::newRow("Value = Min: the start of the paper") << qint16(4) << qint16(0);
    QTest::newRow("one step right: one unit further") << qint16(3) << qint16(-84);
    QTest::newRow("Value 0: Min x ScrollUnit from the start") << qint16(0) << qint16(-336);
}

void TestRecorderBookkeeping::scrollRangeRunsBackwards()
{
    QFETCH(qint16, value);
    QFETCH(qint16, left);
    PaperBookkeeping paper = heartPaper();
    ticks(paper, 339);
    QCOMPARE(paper.scrollMin(), qint16(4));
    paper.scrollTo(value);
    QCOMPARE(paper.paperLeft(), left);
    QCOMPARE(paper.scrollValue(), value);
}

void TestRecorderBookkeeping::ileumValueZeroShowsLivePosition()
{
    PaperBookkeeping paper = ileumPaper();
    injections(paper, 14);
    paper.scrollTo(4);
    QCOMPARE(paper.paperLeft(), qint16(0));
    paper.scrollTo(1);
    QCOMPARE(paper.paperLeft(), qint16(-372));
    paper.scrollTo(0);
    QCOMPARE(paper.paperLeft(), qint16(-560));
}

void TestRecorderBookkeeping::ileumInjectsAtLiveEndAfterScrollingBack()
{
    PaperBookkeeping paper = ileumPaper();
    injections(paper, 14);
    paper.scrollTo(2);
    QCOMPARE(paper.paperLeft(), qint16(-248));
    injections(paper, 1);
    QCOMPARE(paper.paperLeft(), qint16(-600));
    QCOMPARE(paper.scrollValue(), qint16(2));
    paper.scrollTo(0);
    QCOMPARE(paper.paperLeft(), qint16(-600));
}

void TestRecorderBookkeeping::resetReturnsToStart()
{
    PaperBookkeeping paper = ileumPaper();
    injections(paper, 20);
    paper.scrollTo(3);
    paper.reset();
    QCOMPARE(paper.paperWidth(), IleumWidth);
    QCOMPARE(paper.paperLeft(), qint16(0));
    QCOMPARE(paper.LivePaperLeft(), qint16(0));
    QCOMPARE(paper.scrollMin(), qint16(0));
    QCOMPARE(paper.scrollValue(), qint16(0));
    QCOMPARE(paper.ScrollThreshold(), IleumWidth);
    QCOMPARE(paper.ScrollUnit(), qint16(124));
    QCOMPARE(paper.PaperUsed(), qint16(0));
    QCOMPARE(paper.ScrollStep(), qint16(4));
    // The range grows again after 13 injections, as on a fresh paper.
    injections(paper, 14);
    QCOMPARE(paper.scrollMin(), qint16(4));
}

void TestRecorderBookkeeping::stopKeepsPenAndPaper()
{
    PaperBookkeeping paper = heartPaper();
    ticks(paper, 400);
    paper.stop(727, 84);
    paper.scrollTo(4);
    QCOMPARE(paper.paperLeft(), qint16(0));
    paper.resume();
    QCOMPARE(paper.paperLeft(), qint16(-400));
    QCOMPARE(paper.StopPaperLeft(), qint16(-400));
    QCOMPARE(paper.StopPenX(), qint16(727));
    QCOMPARE(paper.StopPenY(), qint16(84));
}

void TestRecorderBookkeeping::sumsStopAtTheSixteenBitLimit()
{
    PaperBookkeeping paper = heartPaper();
    paper.addPaperUsed(30000);
    paper.addPaperUsed(30000);
    // Wrapped round, the sum would turn negative and the range never grow.
    QCOMPARE(paper.PaperUsed(), qint16(32767));
    paper.advance(1);
    QCOMPARE(paper.scrollMin(), qint16(4));
}

QTEST_APPLESS_MAIN(TestRecorderBookkeeping)
#include "tst_recorder_bookkeeping.moc"
