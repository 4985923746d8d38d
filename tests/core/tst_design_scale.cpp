#include "core/design_scale.h"

#include <QTest>

class TestDesignScale : public QObject
{
    Q_OBJECT

private slots:
    void fittedFactor_data();
    void fittedFactor();
    void parseFactor_data();
    void parseFactor();
};

void TestDesignScale::fittedFactor_data()
{
    QTest::addColumn<QSizeF>("available");
    QTest::addColumn<double>("factor");

    QTest::newRow("the design's own screen") << QSizeF(800, 600) << 1.0;
    QTest::newRow("twice the design exactly") << QSizeF(1600, 1200) << 2.0;
    QTest::newRow("a pixel short of twice: the step below") << QSizeF(1599, 1200) << 1.95;
    QTest::newRow("1080 lines: exactly 1.8") << QSizeF(1920, 1080) << 1.8;
    QTest::newRow("1080 lines less a 32-pixel panel") << QSizeF(1920, 1048) << 1.7;
    QTest::newRow("4:3, the width decides") << QSizeF(1280, 1024) << 1.6;
    QTest::newRow("a little larger than the design: not shrunk") << QSizeF(810, 610) << 1.0;
    QTest::newRow("a screen too small: never below 1") << QSizeF(640, 480) << 1.0;
    QTest::newRow("an 800 x 600 screen with a panel: never below 1") << QSizeF(800, 568) << 1.0;
}

void TestDesignScale::fittedFactor()
{
    QFETCH(QSizeF, available);
    QFETCH(double, factor);
    QCOMPARE(DesignScale::fittedFactor(available), factor);
}

void TestDesignScale::parseFactor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("factor"); // 0: refused

    QTest::newRow("a whole number") << "2" << 2.0;
    QTest::newRow("a fraction, blanks round it") << " 1.25 " << 1.25;
    QTest::newRow("the smallest") << "0.5" << 0.5;
    QTest::newRow("the largest") << "8" << 8.0;
    QTest::newRow("too small") << "0.49" << 0.0;
    QTest::newRow("too large") << "8.5" << 0.0;
    QTest::newRow("not a number") << "big" << 0.0;
    QTest::newRow("a comma") << "1,5" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("infinity") << "inf" << 0.0;
}

void TestDesignScale::parseFactor()
{
    QFETCH(QString, text);
    QFETCH(double, factor);
    QCOMPARE(DesignScale::parseFactor(text).value_or(0.0), factor);
}

QTEST_APPLESS_MAIN(TestDesignScale)
#include "tst_design_scale.moc"
