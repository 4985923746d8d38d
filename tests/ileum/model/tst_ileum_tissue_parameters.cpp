#include "ileum/model/tissue_parameters.h"
#include "support/seams/scripted_random.h"

#include <QTest>

using namespace ileum;

class TestIleumTissueParameters : public QObject
{
    Q_OBJECT

private slots:
    void drawsSpanTheirRanges_data();
    void drawsSpanTheirRanges();
};

void TestIleumTissueParameters::drawsSpanTheirRanges_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<float>("k");
    QTest::addColumn<qint16>("z");
    QTest::addColumn<float>("m");
    QTest::newRow("lowest draw") << 0.0f << 1.0f << qint16(179) << 0.2f;
    QTest::newRow("middle draw") << 0.5f << 3.0f << qint16(182) << 0.35f;
    QTest::newRow("highest draw") << 0.9999f << 5.0f << qint16(185) << 0.5f;
}

void TestIleumTissueParameters::drawsSpanTheirRanges()
{
    QFETCH(float, r);
    QFETCH(float, k);
    QFETCH(qint16, z);
    QFETCH(float, m);
    ScriptedRandom chance({r});
    QCOMPARE(TissueParameters::drawSensitivity(), k);
    QCOMPARE(TissueParameters::drawZeroLevel(185), z);
    QCOMPARE(TissueParameters::drawMatchVolume(), m);
}

QTEST_APPLESS_MAIN(TestIleumTissueParameters)
#include "tst_ileum_tissue_parameters.moc"
