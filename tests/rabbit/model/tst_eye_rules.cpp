#include "rabbit/model/eye_rules.h"
#include "rabbit/model/rabbit_fixture.h"

#include <QTest>

using namespace Rab_eye;
using namespace RabbitFixture;

class TestEyeRules : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleNewRabbit();
    void workedExampleAtropineSteps();
    void drawsAtTheTopOfTheirRangeStayInside();
    void tensionAfterInstillation_data();
    void tensionAfterInstillation();
    void lightReflexThresholds_data();
    void lightReflexThresholds();
    void torchConstrictsFromWholeTwips();
    void rulerLimits_data();
    void rulerLimits();
};

void TestEyeRules::workedExampleNewRabbit()
{
    Bench bench(Mode::Tutorial);
    const EyeState &left = bench.experiment.eye(Eye::Left);
    const EyeState &right = bench.experiment.eye(Eye::Right);
    QCOMPARE(left.tension, 946);
    QCOMPARE(right.tension, 926);
    QCOMPARE(left.pupil, (PupilBox{499, 653, 1804, 1204}));
    QCOMPARE(right.pupil, (PupilBox{499, 533, 804, 1204}));
    QCOMPARE(left.ruler, 0);
    QCOMPARE(right.ruler, 2580);
    // Reseeded before the tension bars and again before the pupils.
    QCOMPARE(bench.random.seeds().size(), 2);
}

void TestEyeRules::workedExampleAtropineSteps()
{
    Bench bench(Mode::Tutorial);
    QCOMPARE(bench.instil(Eye::Left, 0), QString());
    const EyeState &left = bench.experiment.eye(Eye::Left);
    QCOMPARE(left.PupilChange, qint16(48));
    QVERIFY(left.dropper);
    QCOMPARE(left.instillMs, 2600);
    bench.experiment.instillTick(Eye::Left);
    QVERIFY(!left.dropper);
    QCOMPARE(left.pupil, (PupilBox{499, 653, 1804, 1204}));
    QCOMPARE(left.instillMs, 500);
    bench.experiment.instillTick(Eye::Left);
    QCOMPARE(left.pupil, (PupilBox{619, 773, 1732, 1156}));
    QCOMPARE(left.tension, 946);
    QCOMPARE(left.instillMs, 550);
    bench.experiment.instillTick(Eye::Left);
    QCOMPARE(left.pupil, (PupilBox{739, 893, 1660, 1108}));
    // "I": 910 + Int(251 * 0.5 + 150).
    QCOMPARE(left.tension, 1185);
    QCOMPARE(left.instillMs, 0);
}

void TestEyeRules::drawsAtTheTopOfTheirRangeStayInside()
{
    ScriptedRandom random({0.99999994f});
    QCOMPARE(EyeRules::newTensionBar(Eye::Left), 980);
    QCOMPARE(EyeRules::newTensionBar(Eye::Right), 960);
    const PupilBox left = EyeRules::baseBox(Eye::Left);
    QCOMPARE(left.height, 500.0);
    QCOMPARE(left.width, 685.0);
    QCOMPARE(EyeRules::tensionAfter(Eye::Left, u'I', 0), 1310);
    QCOMPARE(EyeRules::tensionAfter(Eye::Right, u'D', 0), 391);
    QCOMPARE(EyeRules::drawPupilChange(drug("X", 'Y', 'Y', 'N', -5, 5)), qint16(5));
}

void TestEyeRules::tensionAfterInstillation_data()
{
    QTest::addColumn<Eye>("eye");
    QTest::addColumn<QChar>("code");
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("bar");
    QTest::newRow("left decreased, lowest draw") << Eye::Left << QChar('D') << 0.0f << 760;
    QTest::newRow("right decreased, lowest draw") << Eye::Right << QChar('D') << 0.0f << 740;
    QTest::newRow("left increased, lowest draw") << Eye::Left << QChar('I') << 0.0f << 1060;
    QTest::newRow("right increased, middle draw") << Eye::Right << QChar('I') << 0.5f << 1215;
    QTest::newRow("normal keeps the bar") << Eye::Left << QChar('N') << 0.5f << 950;
    QTest::newRow("blank code keeps the bar") << Eye::Right << QChar(' ') << 0.5f << 950;
}

void TestEyeRules::tensionAfterInstillation()
{
    QFETCH(Eye, eye);
    QFETCH(QChar, code);
    QFETCH(float, draw);
    QFETCH(int, bar);
    ScriptedRandom random({draw});
    QCOMPARE(EyeRules::tensionAfter(eye, code, 950), bar);
}

void TestEyeRules::lightReflexThresholds_data()
{
    QTest::addColumn<Eye>("eye");
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("reflex");
    // Base widths 653 (left) and 533 (right) at draws of 0.5.
    QTest::newRow("left -75: 278 wide keeps it") << Eye::Left << -75 << true;
    QTest::newRow("left -76: 273 wide loses it") << Eye::Left << -76 << false;
    QTest::newRow("right -70: 183 wide keeps it") << Eye::Right << -70 << true;
    QTest::newRow("right -71: 178 wide loses it") << Eye::Right << -71 << false;
    QTest::newRow("right -60: 233 wide, where the left would lose it") << Eye::Right << -60 << true;
    QTest::newRow("left dilated keeps it") << Eye::Left << 30 << true;
}

void TestEyeRules::lightReflexThresholds()
{
    QFETCH(Eye, eye);
    QFETCH(int, change);
    QFETCH(bool, reflex);
    const qint16 h = static_cast<qint16>(change);
    Bench bench(Mode::Tutorial, {drug("Wide only", 'B', 'Y', 'N', h, h), drug("Saline", 'Y', 'Y', 'N', 0, 0)});
    bench.instil(eye, 0);
    bench.instillFully(eye);
    bench.experiment.pickUp(Tool::Torch);
    bench.experiment.eyeEntered(eye);
    QCOMPARE(bench.experiment.eye(eye).torchConstricts, reflex);
    QCOMPARE(bench.experiment.LightSeen(), reflex ? QChar('Y') : QChar('N'));
}

void TestEyeRules::torchConstrictsFromWholeTwips()
{
    const PupilBox box{619.5, 773.5, 1732.5, 1156};
    // Halves go to the even neighbour before the 75 and 30 twips.
    QCOMPARE(EyeRules::constricted(box), (PupilBox{545, 699, 1762, 1186}));
}

void TestEyeRules::rulerLimits_data()
{
    QTest::addColumn<Eye>("eye");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("left");
    QTest::newRow("right ruler stops at 2700") << Eye::Right << 2900 << 2700;
    QTest::newRow("right ruler at 2700") << Eye::Right << 2700 << 2700;
    QTest::newRow("right ruler below the limit") << Eye::Right << 120 << 120;
    QTest::newRow("left ruler anywhere") << Eye::Left << 2900 << 2900;
}

void TestEyeRules::rulerLimits()
{
    QFETCH(Eye, eye);
    QFETCH(int, pointer);
    QFETCH(int, left);
    Bench bench(Mode::Tutorial);
    bench.experiment.dragRuler(eye, pointer);
    QCOMPARE(bench.experiment.eye(eye).ruler, left);
}

QTEST_APPLESS_MAIN(TestEyeRules)
#include "tst_eye_rules.moc"
