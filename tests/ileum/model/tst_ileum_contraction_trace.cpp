#include "ileum/model/contraction_trace.h"
#include "ileum/model/ileum_ruler.h"
#include "support/seams/paper_text.h"

#include <QTest>
#include <QtMath>

using namespace ileum;

namespace {

constexpr qint16 Baseline = 185;
// The ileum's paper is 497 pixels wide after a load; the first injection
// advances it to 537.
constexpr int LoadedWidth = 497;
constexpr int FirstInjectionWidth = LoadedWidth + ContractionTrace::PaperStep;

} // namespace

class TestIleumContractionTrace : public QObject
{
    Q_OBJECT

private slots:
    void firstInjectionAfterLoad_data();
    void firstInjectionAfterLoad();
    void capTopsTenAbovePeak_data();
    void capTopsTenAbovePeak();
    void rulerStaysNearPaperEnd();
};

void TestIleumContractionTrace::firstInjectionAfterLoad_data()
{
    QTest::addColumn<bool>("contraction");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("trace");
    // Baseline stretch 487 to 507; the contraction between 467 and 486.
    QTest::newRow("contraction to 161") << true << "0.8"
                                        << QStringList{
                                               "line 487,185 507,185",
                                               "line 467,185 471,158",
                                               "line 486,185 486,161",
                                               "arc 478,181 r30 a3 0.7..2.4",
                                               "text 467,195 MS Sans Serif 8.25: 0.8",
                                           };
    QTest::newRow("hump of 0.02") << false << "0.02"
                                  << QStringList{
                                         "line 487,185 507,185",
                                         "arc 477,185 r10 a0.4 0.2..3.3",
                                         "text 467,195 MS Sans Serif 8.25: 0.02",
                                     };
}

void TestIleumContractionTrace::firstInjectionAfterLoad()
{
    QFETCH(bool, contraction);
    QFETCH(QString, label);
    QFETCH(QStringList, trace);
    const std::optional<qint16> peak = contraction ? std::optional<qint16>(161) : std::nullopt;
    QCOMPARE(PaperText::lines(ContractionTrace::injectionTrace(FirstInjectionWidth, Baseline, peak, label)), trace);
}

void TestIleumContractionTrace::capTopsTenAbovePeak_data()
{
    QTest::addColumn<qint16>("peak");
    QTest::addColumn<int>("top");
    QTest::newRow("peak 161") << qint16(161) << 151;
    QTest::newRow("highest peak 20") << qint16(20) << 10;
}

void TestIleumContractionTrace::capTopsTenAbovePeak()
{
    QFETCH(qint16, peak);
    QFETCH(int, top);
    const Paper::Commands trace = ContractionTrace::injectionTrace(FirstInjectionWidth, Baseline, peak, "Std ");
    const auto *cap = std::get_if<Paper::Arc>(&trace.at(3));
    QVERIFY(cap);
    // Aspect 3: the radius is the vertical one, and the arc runs through
    // straight up (pi / 2) on its way from 0.7 to 2.4.
    QVERIFY(cap->aspect >= 1.0);
    QVERIFY(cap->startAngle < M_PI / 2 && M_PI / 2 < cap->endAngle);
    QCOMPARE(cap->centreY - int(cap->radius), top);
}

void TestIleumContractionTrace::rulerStaysNearPaperEnd()
{
    QCOMPARE(Ruler::leftAfterLoad(LoadedWidth), 472);
    // Placed before the advance, from the width before it: 25 left of the
    // end once the paper has grown.
    QCOMPARE(Ruler::leftBeforeInjection(LoadedWidth), 512);
    QCOMPARE(Ruler::leftBeforeInjection(LoadedWidth), Ruler::leftAfterLoad(FirstInjectionWidth));
}

QTEST_APPLESS_MAIN(TestIleumContractionTrace)
#include "tst_ileum_contraction_trace.moc"
