#include "ileum/model/dose_text.h"

#include <QTest>

using namespace ileum;

class TestIleumDoseText : public QObject
{
    Q_OBJECT

private slots:
    void buttonsWriteTheCaptionForm_data();
    void buttonsWriteTheCaptionForm();
    void injectionWritesThePlainForm_data();
    void injectionWritesThePlainForm();
};

void TestIleumDoseText::buttonsWriteTheCaptionForm_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("doublings");
    QTest::addColumn<int>("halvings");
    QTest::addColumn<QString>("shown");
    QTest::newRow("+ three times from 0.1") << "0.1" << 3 << 0 << " .8";
    QTest::newRow("+ past 1") << "0.8" << 1 << 0 << " 1.6";
    QTest::newRow("- twice from 0.1") << "0.1" << 0 << 2 << " .025";
    QTest::newRow("- from 0.11") << "0.11" << 0 << 1 << " .055";
    QTest::newRow("- from 0.19") << "0.19" << 0 << 1 << " .095";
    QTest::newRow("- then + returns") << "0.1" << 1 << 1 << " .1";
    QTest::newRow("empty box stays 0") << "" << 1 << 0 << " 0";
}

void TestIleumDoseText::buttonsWriteTheCaptionForm()
{
    QFETCH(QString, start);
    QFETCH(int, doublings);
    QFETCH(int, halvings);
    QFETCH(QString, shown);
    QString text = start;
    for (int i = 0; i < halvings; ++i)
        text = DoseText::halved(text);
    for (int i = 0; i < doublings; ++i)
        text = DoseText::doubled(text);
    QCOMPARE(text, shown);
}

void TestIleumDoseText::injectionWritesThePlainForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("caption form") << " .8"
                                  << "0.8";
    QTest::newRow("trailing zero") << "0.10"
                                   << "0.1";
    QTest::newRow("second point ends it") << "1.2.3"
                                          << "1.2";
    QTest::newRow("lone point") << "."
                                << "0";
    QTest::newRow("empty box") << ""
                               << "0";
}

void TestIleumDoseText::injectionWritesThePlainForm()
{
    QFETCH(QString, typed);
    QFETCH(QString, normalised);
    QCOMPARE(DoseText::normalised(typed), normalised);
}

QTEST_APPLESS_MAIN(TestIleumDoseText)
#include "tst_ileum_dose_text.moc"
