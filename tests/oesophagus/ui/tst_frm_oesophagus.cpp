#include "core/asset_paths.h"
#include "oesophagus/ui/oeso_window_fixture.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/program_end.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace OesoWindowFixture;

class TestFrmOesophagus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { OesoWindowFixture::setUp(); }
    void cleanup() { TestWindows::unloadEverything(); }

    void tutorialOpensOnRinger();
    void seedTravelsDownTheMucosa();
    void dropsAwayFromTheOesophagus_data();
    void dropsAwayFromTheOesophagus();
    void stopwatchRunsOnItsTimer();
    void tubeFollowsTheListHoweverItChanges();
    void newFrog();
    void dragIcon();
    void leaving_data();
    void leaving();
    void questionsBackAndOk();

private:
    FakeClock m_clock;
    ScriptedRandom m_random{{0.5f}};
    MessageBoxScript m_boxes;
};

void TestFrmOesophagus::tutorialOpensOnRinger()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::OesoFront));
    QCOMPARE(w->windowTitle(),
             QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Tutorial Mode "));
    QCOMPARE(text(w, "frogno"), QStringLiteral("Frog no. : 1"));
    QCOMPARE(text(w, "Lab_Texttube"), QStringLiteral("Ringer"));
    QCOMPARE(text(w, "Lab_DrugGiven"), QStringLiteral("Ringer"));
    QCOMPARE(text(w, "lastdrugname_lbl"), QStringLiteral("None"));
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Pick a seed"));
    QCOMPARE(text(w, "Cmd_StartClock"), QStringLiteral("&Start Clock"));
    QCOMPARE(control<QComboBox>(w, "Combo_Drug")->count(), 6);
    QCOMPARE(control<QListWidget>(w, "drughistory")->count(), 1);
    QVERIFY(shown(w, "Frame_Drug"));
    QVERIFY(!shown(w, "Frame_Drug_Select"));
    QVERIFY(shown(w, "Image_filler"));
    QVERIFY(!shown(w, "Shape_Seed"));
    QCOMPARE(control(w, "Img_Seeds")->accessibleName(), QStringLiteral("Click to pick a seed"));
    QCOMPARE(control(w, "drughistory")->accessibleName(), QStringLiteral("Drug(s) applied"));
    // Every timer is precise; the stop-watch waits for Start.
    for (QTimer *timer : {w->seedTimer(), w->clockTimer(), w->monitorTimer(), w->fillerTimer()})
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(w->fillerTimer()->interval(), 2000);
    QVERIFY(!w->clockTimer()->isActive());
    QVERIFY(w->monitorTimer()->isActive());
    timeout(w->fillerTimer());
    QVERIFY(!shown(w, "Image_filler"));
}

void TestFrmOesophagus::seedTravelsDownTheMucosa()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    pickSeed(w);
    QCOMPARE(lastDragged(), QStringLiteral("seed"));
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Drag & Place it on the oesophagus"));
    dropAt(w, control(w, "Img_Seed_Drop")->geometry().center());
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Start the clock at the starting point"));
    QWidget *seed = control(w, "Shape_Seed");
    QVERIFY(seed->isVisible());
    QCOMPARE(seed->pos(), QPoint(111, 50)); // 1660, 745 twips
    QVERIFY(!enabled(w, "Cmd_Instill"));
    QCOMPARE(w->seedTimer()->interval(), 215);
    timeout(w->seedTimer(), 15);
    QCOMPARE(seed->y(), 64); // 955 twips

    // A second seed while this one travels changes nothing.
    pickSeed(w);
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Start the clock at the starting point"));
    dropAt(w, control(w, "Img_Seed_Drop")->geometry().center());
    QCOMPARE(seed->y(), 64); // 955 twips

    QCOMPARE(runSeed(w), 177 - 15);
    QVERIFY(!seed->isVisible());
    QVERIFY(enabled(w, "Cmd_Instill"));
    QVERIFY(!w->seedTimer()->isActive());
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Choose a drug & instill"));
}

void TestFrmOesophagus::dropsAwayFromTheOesophagus_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("guidance");
    QTest::newRow("seed dropped on the frog's belly")
        << QPoint(60, 200) << QString() << QByteArray("seed") << "Pick a seed";
    // A file from the desktop is not a seed, wherever it lands.
    QTest::newRow("file dropped on the oesophagus")
        << QPoint(128, 68) << "text/uri-list" << QByteArray("file:///tmp/seed.png")
        << "Drag & Place it on the oesophagus";
}

void TestFrmOesophagus::dropsAwayFromTheOesophagus()
{
    QFETCH(QPoint, point);
    QFETCH(QString, mimeType);
    QFETCH(QByteArray, data);
    QFETCH(QString, guidance);
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    pickSeed(w);
    dropAt(w, point, mimeType, data);
    QCOMPARE(text(w, "lbl_stephelp"), guidance);
    QVERIFY(!shown(w, "Shape_Seed"));
    QVERIFY(!w->seedTimer()->isActive());
    QVERIFY(enabled(w, "Cmd_Instill"));
}

void TestFrmOesophagus::stopwatchRunsOnItsTimer()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    placeSeed(w);
    click(w, "Cmd_StartClock");
    QVERIFY(w->clockTimer()->isActive());
    QCOMPARE(w->clockTimer()->interval(), 1000);
    QCOMPARE(text(w, "Cmd_StartClock"), QStringLiteral("&Stop Clock"));
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Stop the clock at the end point"));
    timeout(w->clockTimer(), 61);
    QCOMPARE(text(w, "txt_time_2") + text(w, "txt_time_1") + text(w, "txt_time_0"), QStringLiteral("000101"));
    click(w, "cmd_Reset");
    QVERIFY(w->clockTimer()->isActive());
    timeout(w->clockTimer());
    QCOMPARE(text(w, "txt_time_1") + text(w, "txt_time_0"), QStringLiteral("0001"));
    click(w, "Cmd_StartClock");
    QVERIFY(!w->clockTimer()->isActive());
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Note the time"));
    click(w, "cmd_Reset");
    QCOMPARE(text(w, "txt_time_0"), QStringLiteral("00"));
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("wait"));
}

void TestFrmOesophagus::tubeFollowsTheListHoweverItChanges()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    auto *list = control<QComboBox>(w, "Combo_Drug");
    // As a wheel turn or an arrow key moves the list: no click.
    list->setCurrentIndex(4);
    QCOMPARE(text(w, "Lab_Texttube"), QStringLiteral("Atropine"));
    timeout(w->fillerTimer());
    click(w, "Cmd_Instill");
    QVERIFY(shown(w, "Image_filler"));
    QCOMPARE(text(w, "Lab_DrugGiven"), QStringLiteral("Atropine"));
    QCOMPARE(text(w, "lastdrugname_lbl"), QStringLiteral("Ringer"));
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Pick a seed"));
    QCOMPARE(w->experiment().interval(), 278);
    list->setCurrentIndex(1);
    click(w, "Cmd_Instill");
    QCOMPARE(w->experiment().interval(), 215); // atropine blocks acetylcholine
    auto *history = control<QListWidget>(w, "drughistory");
    QCOMPARE(history->count(), 3);
    QCOMPARE(history->item(2)->text(), QStringLiteral("Acetylcholine"));
    // Nothing can be typed into the list.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), 1);
}

void TestFrmOesophagus::newFrog()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    control<QComboBox>(w, "Combo_Drug")->setCurrentIndex(3);
    click(w, "Cmd_Instill");
    click(w, "Cmd_New");
    QCOMPARE(text(w, "frogno"), QStringLiteral("Frog no. : 2"));
    QCOMPARE(control<QListWidget>(w, "drughistory")->count(), 1);
    QCOMPARE(text(w, "Lab_Texttube"), QStringLiteral("Ringer"));
    QCOMPARE(control<QComboBox>(w, "Combo_Drug")->currentIndex(), 0);
    click(w, "Cmd_New");
    QCOMPARE(text(w, "frogno"), QStringLiteral("Frog no. : 3"));
    // The window created afresh starts at frog 1 again.
    click(w, "Command2");
    w = startTutorial();
    QVERIFY(w);
    QCOMPARE(text(w, "frogno"), QStringLiteral("Frog no. : 1"));
}

void TestFrmOesophagus::dragIcon()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    const QPixmap shipped = Frm_Oesophagus::seedIcon();
    QCOMPARE(shipped.deviceIndependentSize(), QSizeF(32, 32));
    pickSeed(w);
    QVERIFY(lastIconDrawn());
    // Without "Icon1.ico" beside the program a seed is drawn instead.
    QTemporaryDir empty;
    const QString runFolder = AssetPaths::folder();
    AssetPaths::setFolder(empty.path());
    const QPixmap drawn = Frm_Oesophagus::seedIcon();
    AssetPaths::setFolder(runFolder);
    QVERIFY(!drawn.isNull());
    QVERIFY(drawn.toImage() != shipped.toImage());
    QVERIFY(drawn.toImage().pixelColor(16, 16).alpha() > 0);
}

void TestFrmOesophagus::leaving_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("experimentKept");
    QTest::newRow("Return to the front page") << "Command2" << WindowNames::OesoFront << false;
    QTest::newRow("Next to the questions") << "Cmd_Next" << WindowNames::OesoQuestion << true;
    QTest::newRow("Table beside the experiment") << "Cmd_Table" << WindowNames::OesoTable << true;
}

void TestFrmOesophagus::leaving()
{
    QFETCH(QString, button);
    QFETCH(QString, opened);
    QFETCH(bool, experimentKept);
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    click(w, button);
    QCoreApplication::processEvents();
    QVERIFY(!ProgramEnd::hasEnded());
    FormWindow *next = WindowRegistry::find(opened);
    QVERIFY(next);
    QVERIFY(next->isVisible());
    QCOMPARE(bool(oesophagusWindow()), experimentKept);
    if (opened != WindowNames::OesoTable)
        return;
    // The model table, then Ok back to the experiment.
    auto *grid = control<TextGrid>(next, "Grid_oeso");
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->rows(), 5);
    QCOMPARE(grid->text(1, 5), QStringLiteral("38.6      "));
    // The model table is no supervisor's record.
    QVERIFY(!ResultsPdfCheck::saveOffered(next));
    click(next, "Cmd_End");
    QVERIFY(!WindowRegistry::find(WindowNames::OesoTable));
    QVERIFY(oesophagusWindow()->isVisible());
}

void TestFrmOesophagus::questionsBackAndOk()
{
    Frm_Oesophagus *w = startTutorial();
    QVERIFY(w);
    click(w, "Cmd_Next");
    QVERIFY(!w->isVisible());
    FormWindow *questions = WindowRegistry::find(WindowNames::OesoQuestion);
    QCOMPARE(text(questions, "Frame_Questions"), QStringLiteral(" Answer The Follwing Questions "));
    QCOMPARE(text(questions, "Label_Q2"),
             QStringLiteral("2.  What are the actions of ACh on gastrointestinal tract (GIT)?"));
    click(questions, "cmdBack");
    QVERIFY(w->isVisible());
    QVERIFY(!WindowRegistry::find(WindowNames::OesoQuestion));
    click(w, "Cmd_Next");
    click(WindowRegistry::find(WindowNames::OesoQuestion), "Cmd_Done1");
    QCoreApplication::processEvents();
    QVERIFY(WindowRegistry::find(WindowNames::OesoFront));
    QVERIFY(!oesophagusWindow());
    QVERIFY(!WindowRegistry::find(WindowNames::OesoQuestion));
    QVERIFY(!ProgramEnd::hasEnded());
}

QTEST_MAIN(TestFrmOesophagus)
#include "tst_frm_oesophagus.moc"
