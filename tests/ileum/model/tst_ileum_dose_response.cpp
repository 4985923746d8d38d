#include "ileum/model/dose_response.h"
#include "ileum/model/effective_dose.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ileum;

namespace {

constexpr qint16 Baseline = 185;

} // namespace

class TestIleumDoseResponse : public QObject
{
    Q_OBJECT

private slots:
    void knownDoses_data();
    void knownDoses();
    void offsetTable_data();
    void offsetTable();
    void shownValueDecidesTheRow_data();
    void shownValueDecidesTheRow();
    void responseStep_data();
    void responseStep();
    void smallDosesLowerThePeak_data();
    void smallDosesLowerThePeak();
    void peakStaysOnThePaper_data();
    void peakStaysOnThePaper();
    void humpOnlyBelowThreeHundredthsBeforeMatching_data();
    void humpOnlyBelowThreeHundredthsBeforeMatching();
};

void TestIleumDoseResponse::knownDoses_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<float>("k");
    QTest::addColumn<qint16>("z");
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("R");
    QTest::addColumn<qint16>("peak");
    // The height is Int(x) + R; the peak is z less the height, adjusted.
    QTest::newRow("0.2 ug adds 1.3") << 0.2 << 2.0f << qint16(182) << 3.0f << 10.0 << qint16(169);
    QTest::newRow("0.8 ug adds 1.7") << 0.8 << 2.0f << qint16(182) << 5.0f << 16.0 << qint16(161);
    QTest::newRow("3.2 ug adds 1.9") << 3.2 << 2.0f << qint16(182) << 10.2f << 23.0 << qint16(149);
    QTest::newRow("25.6 ug has no offset") << 25.6 << 2.0f << qint16(182) << 51.2f << 39.0 << qint16(92);
    QTest::newRow("0.05 ug lowered 12 onto the baseline") << 0.05 << 2.0f << qint16(182) << 2.1f << 7.0 << qint16(185);
    QTest::newRow("least sensitive strip, 0.1 ug: height 1")
        << 0.1 << 1.0f << qint16(185) << 1.1f << 0.0 << qint16(184);
    QTest::newRow("most sensitive strip, 0.1 ug: height 22")
        << 0.1 << 5.0f << qint16(185) << 5.5f << 17.0 << qint16(163);
}

void TestIleumDoseResponse::knownDoses()
{
    QFETCH(double, D);
    QFETCH(float, k);
    QFETCH(qint16, z);
    QFETCH(float, x);
    QFETCH(double, R);
    QFETCH(qint16, peak);
    const float effective = k * EffectiveDoses::knownDose(D);
    QCOMPARE(effective, x);
    QCOMPARE(Caclulate_Resp(effective), R);
    QCOMPARE(ContractionPeak(effective, D, z, Baseline), peak);
}

void TestIleumDoseResponse::offsetTable_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<float>("x");
    QTest::newRow("0.19 adds 1") << 0.19 << 1.19f;
    QTest::newRow("gap 0.19 to 0.2") << 0.195 << 0.195f;
    QTest::newRow("0.3 adds 1.3") << 0.3 << 1.6f;
    QTest::newRow("gap 0.3 to 0.31") << 0.305 << 0.305f;
    QTest::newRow("0.31 adds 1.5") << 0.31 << 1.81f;
    QTest::newRow("0.71 adds 1.7") << 0.71 << 2.41f;
    QTest::newRow("1 adds 1.7") << 1.0 << 2.7f;
    QTest::newRow("gap 1 to 1.1") << 1.05 << 1.05f;
    QTest::newRow("1.1 adds 1.9") << 1.1 << 3.0f;
    QTest::newRow("gap 5 to 5.1") << 5.05 << 5.05f;
    QTest::newRow("5.1 adds 2") << 5.1 << 7.1f;
    QTest::newRow("15 adds 2") << 15.0 << 17.0f;
    QTest::newRow("gap 15 to 15.1") << 15.05 << 15.05f;
    QTest::newRow("16 becomes 17.1") << 16.0 << 17.1f;
    QTest::newRow("17 becomes 17.1") << 17.0 << 17.1f;
    QTest::newRow("17.5 has no offset") << 17.5 << 17.5f;
}

void TestIleumDoseResponse::offsetTable()
{
    QFETCH(double, D);
    QFETCH(float, x);
    QCOMPARE(EffectiveDoses::knownDose(D), x);
}

void TestIleumDoseResponse::shownValueDecidesTheRow_data()
{
    QTest::addColumn<double>("S");
    QTest::addColumn<double>("volume");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("x");
    // At the matching volume the unknown is worth S, which single precision
    // puts a hair above 0.3 or below 5.1; the table is read with S as shown.
    QTest::newRow("unknown worth 0.3 ug adds 1.3") << 0.3 << 0.25 << 0.25f << 1.6f;
    QTest::newRow("unknown worth 5.1 ug adds 2") << 5.1 << 0.25 << 0.25f << 7.1f;
    QTest::newRow("unknown worth 1.05 ug is in a gap") << 1.05 << 0.25 << 0.25f << 1.05f;
}

void TestIleumDoseResponse::shownValueDecidesTheRow()
{
    QFETCH(double, S);
    QFETCH(double, volume);
    QFETCH(float, m);
    QFETCH(float, x);
    QCOMPARE(EffectiveDoses::unknownVolume(S, volume, m), x);
}

void TestIleumDoseResponse::responseStep_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("R");
    QTest::newRow("x = 1 gives 0") << 1.0f << 0.0;
    QTest::newRow("below 1 counts |ln x|") << 0.5f << 6.0;
    // ln x is 0.699999988 in single precision, shown as 0.7.
    QTest::newRow("ln x a hair under 0.7 counts 7") << float(std::exp(0.7)) << 7.0;
    QTest::newRow("ln x a hair under 2.3 counts 23") << float(std::exp(2.3)) << 23.0;
}

void TestIleumDoseResponse::responseStep()
{
    QFETCH(float, x);
    QFETCH(double, R);
    QCOMPARE(Caclulate_Resp(x), R);
}

void TestIleumDoseResponse::smallDosesLowerThePeak_data()
{
    QTest::addColumn<double>("D");
    QTest::addColumn<int>("lowered");
    QTest::newRow("0.03") << 0.03 << 12;
    QTest::newRow("0.05") << 0.05 << 12;
    QTest::newRow("0.055 (halved 0.11)") << 0.055 << 0;
    QTest::newRow("0.06") << 0.06 << 7;
    QTest::newRow("0.09") << 0.09 << 7;
    QTest::newRow("0.095 (halved 0.19)") << 0.095 << 0;
    QTest::newRow("0.1") << 0.1 << 0;
}

void TestIleumDoseResponse::smallDosesLowerThePeak()
{
    QFETCH(double, D);
    QFETCH(int, lowered);
    // The same effective dose, so only the dose box's value moves the peak.
    const float x = 4.0f;
    const qint16 z = 179;
    const qint16 unadjusted = z - (4 + 13);
    QCOMPARE(ContractionPeak(x, D, z, Baseline) - unadjusted, lowered);
}

void TestIleumDoseResponse::peakStaysOnThePaper_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("D");
    QTest::addColumn<qint16>("z");
    QTest::addColumn<qint16>("peak");
    QTest::newRow("huge dose tops out at 20") << 1000.0f << 500.0 << qint16(185) << qint16(20);
    QTest::newRow("dose overflowing single precision")
        << std::numeric_limits<float>::infinity() << 1e38 << qint16(185) << qint16(20);
    QTest::newRow("reaching exactly 20 stays 20") << 118.0f << 60.0 << qint16(185) << qint16(20);
    QTest::newRow("one below the limit") << 117.0f << 60.0 << qint16(185) << qint16(21);
    QTest::newRow("lowered small dose kept on the baseline") << 1.03f << 0.03 << qint16(185) << Baseline;
}

void TestIleumDoseResponse::peakStaysOnThePaper()
{
    QFETCH(float, x);
    QFETCH(double, D);
    QFETCH(qint16, z);
    QFETCH(qint16, peak);
    QCOMPARE(ContractionPeak(x, D, z, Baseline), peak);
}

void TestIleumDoseResponse::humpOnlyBelowThreeHundredthsBeforeMatching_data()
{
    QTest::addColumn<bool>("matchMode");
    QTest::addColumn<double>("D");
    QTest::addColumn<bool>("hump");
    QTest::newRow("0.025 ug known dose") << false << 0.025 << true;
    QTest::newRow("0.03 ug known dose") << false << 0.03 << false;
    QTest::newRow("0.02 ml of unknown") << true << 0.02 << false;
}

void TestIleumDoseResponse::humpOnlyBelowThreeHundredthsBeforeMatching()
{
    QFETCH(bool, matchMode);
    QFETCH(double, D);
    QFETCH(bool, hump);
    QCOMPARE(givesOnlyHump(matchMode, D), hump);
}

QTEST_APPLESS_MAIN(TestIleumDoseResponse)
#include "tst_ileum_dose_response.moc"
