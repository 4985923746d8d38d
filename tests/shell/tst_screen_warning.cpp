#include "shell/shell_fixture.h"
#include "widgets/program_end.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

// Runs on a screen too small for the design.
class TestScreenWarning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ShellFixture::setUp(); }
    void cleanup() { TestWindows::unloadEverything(); }
    void warningOnEveryFrontPage_data();
    void warningOnEveryFrontPage();
};

void TestScreenWarning::warningOnEveryFrontPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("carryOn");
    for (const QString &page :
         {WindowNames::HeartFront, WindowNames::IleumFront, WindowNames::OesoFront, WindowNames::RabbitFront}) {
        QTest::newRow(qPrintable(page + QStringLiteral(": Yes"))) << page << true;
        QTest::newRow(qPrintable(page + QStringLiteral(": No"))) << page << false;
    }
}

void TestScreenWarning::warningOnEveryFrontPage()
{
    QFETCH(QString, page);
    QFETCH(bool, carryOn);
    MessageBoxScript boxes;
    boxes.answerNext(carryOn ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
    WindowRegistry::show(WindowNames::Selection);
    FormWindow *window = WindowRegistry::show(page);

    QCOMPARE(boxes.count(), 1);
    const MessageBoxes::Request warning = boxes.last();
    QVERIFY(warning.text.startsWith(QStringLiteral("You are probably using a low/high resolution screen. This program "
                                                   "works properly with 800x600 screen resolution only.")));
    QVERIFY(warning.text.endsWith(QStringLiteral("on the task bar. Do you want to continue ?")));
    QCOMPARE(warning.title, QStringLiteral("WARNING - screen resolution NOT supported"));
    QCOMPARE(warning.buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(warning.icon, MessageBoxes::Icon::Critical);
    QCOMPARE(warning.defaultAnswer, MessageBoxes::Answer::No);

    QCOMPARE(ProgramEnd::hasEnded(), !carryOn);
    QCOMPARE(window != nullptr, carryOn);
    QCOMPARE(WindowRegistry::find(page) != nullptr, carryOn);
    if (!carryOn)
        QVERIFY(WindowRegistry::loadedNames().isEmpty());
}

QTEST_MAIN(TestScreenWarning)
#include "tst_screen_warning.moc"
