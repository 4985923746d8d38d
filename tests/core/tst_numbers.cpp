#include "core/numbers.h"
#include "core/passwords.h"
#include "core/random_source.h"
#include "support/seams/fake_clock.h"
#include "support/seams/real_chance.h"
#include "support/seams/scripted_random.h"

#include <QTest>

namespace {

QVector<float> fourDraws(RandomSource &source)
{
    QVector<float> draws;
    for (int i = 0; i < 4; ++i)
        draws << source.next();
    return draws;
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void leadingNumber_data();
    void leadingNumber();
    void singleText_data();
    void singleText();
    void drawInRange_data();
    void drawInRange();
    void reseedUsesTheClock();
    void reseedGoesOnFromTheDrawsBefore();
    void ownSourceStaysBelowOne();
    void passwords_data();
    void passwords();
};

void TestNumbers::wholeNumbers_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("floor");
    QTest::addColumn<long long>("rounded");
    QTest::newRow("half goes down to even") << 2.5 << 2 << 2LL;
    QTest::newRow("half goes up to even") << 3.5 << 3 << 4LL;
    QTest::newRow("negative half to even") << -2.5 << -3 << -2LL;
    QTest::newRow("negative floor") << -0.5 << -1 << 0LL;
    QTest::newRow("just under a half") << 0.49 << 0 << 0LL;
    QTest::newRow("whole stays") << 7.0 << 7 << 7LL;
}

void TestNumbers::wholeNumbers()
{
    QFETCH(double, x);
    QFETCH(int, floor);
    QFETCH(long long, rounded);
    QCOMPARE(Numbers::intFloor(x), floor);
    QCOMPARE(Numbers::roundHalfEven(x), rounded);
}

void TestNumbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty box") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("plain") << "0.32" << 0.32;
    QTest::newRow("no zero before point") << ".8" << 0.8;
    QTest::newRow("stops at second point") << "1.2.3" << 1.2;
    QTest::newRow("stops at letters") << "12abc" << 12.0;
    QTest::newRow("leading blanks") << "  4.5" << 4.5;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("letters first") << "x12" << 0.0;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("bare exponent letter") << "3e" << 3.0;
    QTest::newRow("negative") << "-2" << -2.0;
}

void TestNumbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Numbers::leadingNumber(text), value);
}

void TestNumbers::singleText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("caption");
    QTest::newRow("fraction") << 0.8f << "0.8"
                              << " .8";
    QTest::newRow("seven digits") << 4.0f / 3.0f << "1.333333"
                                  << " 1.333333";
    QTest::newRow("whole") << 12.0f << "12"
                           << " 12";
    QTest::newRow("negative fraction") << -0.25f << "-0.25"
                                       << "-.25";
    QTest::newRow("zero") << 0.0f << "0"
                          << " 0";
    QTest::newRow("ratio") << 0.4f / 0.32f << "1.25"
                           << " 1.25";
    QTest::newRow("large") << 1.0e7f << "1E+07"
                           << " 1E+07";
    QTest::newRow("single precision sum") << (0.1f + 0.2f) << "0.3"
                                          << " .3";
}

void TestNumbers::singleText()
{
    QFETCH(float, value);
    QFETCH(QString, plain);
    QFETCH(QString, caption);
    QCOMPARE(Numbers::singleText(value), plain);
    QCOMPARE(Numbers::signedText(value), caption);
}

void TestNumbers::drawInRange_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("drawn");
    QTest::newRow("lowest draw") << 0.0f << 5 << 12 << 5;
    QTest::newRow("highest draw") << 0.9999999f << 5 << 12 << 12;
    QTest::newRow("middle") << 0.5f << 5 << 12 << 9;
    QTest::newRow("single value") << 0.7f << 3 << 3 << 3;
    QTest::newRow("largest draw rounds up but stays at the top") << 0.99999994f << 179 << 185 << 185;
}

void TestNumbers::drawInRange()
{
    QFETCH(float, r);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, drawn);
    ScriptedRandom random({r});
    QCOMPARE(Chance::drawInRange(a, b), drawn);
}

void TestNumbers::reseedUsesTheClock()
{
    FakeClock clock;
    ScriptedRandom random;
    clock.setSeconds(100.25);
    Chance::reseedFromClock();
    QCOMPARE(random.seeds(), QVector<quint32>{100250});
}

void TestNumbers::reseedGoesOnFromTheDrawsBefore()
{
    // The clock stands still, so both reseeds read the same millisecond.
    FakeClock clock;
    RealChance chance;
    Chance::reseedFromClock();
    const QVector<float> first = fourDraws(Chance::source());
    Chance::reseedFromClock();
    QVERIFY(fourDraws(Chance::source()) != first);

    // Nothing but the state and the seed decides the draws after a reseed,
    // and the seed counts: one millisecond apart, two like generators part.
    MersenneSource one(7), alike(7), later(7);
    one.reseed(36000000);
    alike.reseed(36000000);
    later.reseed(36000001);
    const QVector<float> draws = fourDraws(one);
    QCOMPARE(fourDraws(alike), draws);
    QVERIFY(fourDraws(later) != draws);
}

void TestNumbers::ownSourceStaysBelowOne()
{
    for (int i = 0; i < 10000; ++i) {
        const float r = Chance::draw();
        QVERIFY(r >= 0.0f && r < 1.0f);
    }
}

void TestNumbers::passwords_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("three letters among blanks") << "  abc  "
                                                << "ABC" << false;
    QTest::newRow("four lower-case letters") << "abcd"
                                             << "ABCD" << true;
    QTest::newRow("inner blank kept") << "ab cd"
                                      << "AB CD" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("ten characters") << "abcdefghij"
                                    << "ABCDEFGHIJ" << true;
}

void TestNumbers::passwords()
{
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    QFETCH(bool, accepted);
    QCOMPARE(Passwords::normalised(entry), stored);
    const QString fixed = Passwords::fixedField(Passwords::normalised(entry));
    QCOMPARE(fixed.size(), Passwords::MaxLength);
    QCOMPARE(Passwords::longEnough(fixed), accepted);
    QVERIFY(Passwords::matches(fixed, entry));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
