#include "core/asset_paths.h"
#include "core/database/drug_fixtures.h"
#include "core/database/sql_script.h"
#include "oesophagus/ui/frm_oeso_table.h"
#include "oesophagus/ui/oeso_window_fixture.h"
#include "support/seams/run_folder.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/program_end.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace OesoWindowFixture;

namespace {

QStringList gridRows(const TextGrid *grid)
{
    QStringList rows;
    for (int row = 0; row < grid->rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columns(); ++column)
            cells << grid->text(row, column);
        rows << cells.join(u'|');
    }
    return rows;
}

void identify(Frm_Oesophagus *w, const QString &answer)
{
    auto *list = control<QListWidget>(w, QStringLiteral("Lst_UnknownDrug"));
    const QList<QListWidgetItem *> found = list->findItems(answer, Qt::MatchExactly);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
    click(w, QStringLiteral("Cmd_DrgIdentified"));
}

FormWindow *resultsWindow()
{
    return WindowRegistry::find(WindowNames::OesoTable);
}

} // namespace

class TestOesoExamination : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { OesoWindowFixture::setUp(); }
    void init()
    {
        m_boxes.clear();
        m_random.setValues({0.5f});
    }
    void cleanup()
    {
        TestWindows::unloadEverything();
        TestSeams::useRunFolder();
    }

    void examinationPanel();
    void refusedStartLeavesThePracticalUnstarted_data();
    void refusedStartLeavesThePracticalUnstarted();
    void seriesOfAnUnknown();
    void nextPartWayShowsThePairsSoFar();
    void everyCandidateEndsTheExamination();
    void supervisorGateway_data();
    void supervisorGateway();
    void resultsGoWithThePractical();
    void supervisorSavesTheTable();

private:
    FakeClock m_clock;
    ScriptedRandom m_random{{0.5f}};
    MessageBoxScript m_boxes;
};

void TestOesoExamination::examinationPanel()
{
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(),
             QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Examination Mode "));
    QVERIFY(shown(w, "Frame_Drug_Select"));
    QVERIFY(!shown(w, "Frame_Drug"));
    QVERIFY(!shown(w, "Lab_drug"));
    QVERIFY(!shown(w, "Lab_DrugGiven"));
    QVERIFY(!enabled(w, "Cmd_New"));
    QVERIFY(!enabled(w, "Cmd_Table"));
    QCOMPARE(text(w, "Frame_Drug_Select"), QStringLiteral(" Select The Unkown Drug "));
    auto *list = control<QListWidget>(w, "Lst_UnknownDrug");
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Acetylcholine"));
    QCOMPARE(list->item(4)->text(), QStringLiteral("Adrenaline"));
}

void TestOesoExamination::refusedStartLeavesThePracticalUnstarted_data()
{
    using DrugFixtures::oesoRow;
    QTest::addColumn<QString>("drugFile");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("tutorialRuns");
    const DrugFileLayout &layout = oesoDrugLayout();
    QTest::newRow("only the Ringer row: no unknown to give")
        << DrugFixtures::script(layout, {oesoRow(QStringLiteral("Ringer"))})
        << QStringLiteral("  Error in the System. Restart   ") << true;
    QTest::newRow("a drug whose seed would never move")
        << DrugFixtures::script(layout,
                                {oesoRow(QStringLiteral("Ringer")),
                                 DrugFixtures::with(oesoRow(QStringLiteral("Atropine")),
                                                    {{QStringLiteral("speed1"), QStringLiteral("0")}})})
        << QStringLiteral("The drug database \"f_oeso.mdb\" cannot be used for this practical:\n"
                          "Row 2 (\"Atropine\"): speed1 0 is not a whole number from 1 to 255.")
        << false;
}

void TestOesoExamination::refusedStartLeavesThePracticalUnstarted()
{
    QFETCH(QString, drugFile);
    QFETCH(QString, refusal);
    QFETCH(bool, tutorialRuns);

    // A run folder with the program's pictures and this drug file in place
    // of the program's.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(TestSeams::copyPicturesInto(folder.path()));
    QCOMPARE(SqlScript::createDatabase(folder.filePath(oesoDrugLayout().fileName), drugFile), QString());
    AssetPaths::setFolder(folder.path());

    // The examination is refused; the supervisor cancels the gateway and
    // the student takes the Tutorial instead.
    QVERIFY(!startExamination(QStringLiteral("sup1")));
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, refusal);
    FormWindow *front = WindowRegistry::find(WindowNames::OesoFront);
    QVERIFY(front);
    click(front, "Cmd_Cancel");
    click(front, "Cmd_Tut");
    Frm_Oesophagus *w = oesophagusWindow();
    if (!tutorialRuns) {
        QVERIFY(!w);
        QCOMPARE(m_boxes.count(), 2);
        QCOMPARE(m_boxes.last().text, refusal);
        QVERIFY(WindowRegistry::find(WindowNames::OesoFront));
        return;
    }
    QVERIFY(w);
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(w->windowTitle(),
             QStringLiteral("Effect of Drugs on the Ciliary Motility of Frog Oesophagus  - Tutorial Mode "));
    QCOMPARE(control<QComboBox>(w, "Combo_Drug")->count(), 1);
    QCOMPARE(text(w, "Lab_Texttube"), QStringLiteral("Ringer"));
    placeSeed(w);
    QVERIFY(runSeed(w) > 0);
    QCOMPARE(text(w, "lbl_stephelp"), QStringLiteral("Choose a drug & instill"));
}

void TestOesoExamination::seriesOfAnUnknown()
{
    // Every draw 0.5: the first unknown is row 3, Physostigmine.
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    click(w, "Cmd_Ringer");
    QVERIFY(!enabled(w, "Cmd_Ringer"));
    placeSeed(w);
    for (const char *button : {"Cmd_Ringer", "Cmd_Exam_Unknow", "Cmd_DrgIdentified"})
        QVERIFY2(!enabled(w, button), button);
    QCOMPARE(runSeed(w), 177);
    QVERIFY(!enabled(w, "Cmd_Ringer"));
    QVERIFY(enabled(w, "Cmd_Exam_Unknow"));
    QVERIFY(enabled(w, "Cmd_DrgIdentified"));
    placeSeed(w);
    runSeed(w);
    click(w, "Cmd_Exam_Unknow");
    QVERIFY(!enabled(w, "Cmd_Exam_Unknow"));
    for (int seed = 0; seed < 4; ++seed) {
        placeSeed(w);
        runSeed(w);
    }
    m_random.setValues({0.1f}); // the next unknown: row 1
    identify(w, QStringLiteral("Physostigmine"));
    QVERIFY(enabled(w, "Cmd_Ringer"));
    QVERIFY(enabled(w, "Cmd_Exam_Unknow"));
    QVERIFY(!resultsWindow());
    const QVector<Mod_Oeso::OesoResult> &r = practical().Oeso_Results;
    QCOMPARE(r.size(), 5);
    QCOMPARE(r.at(0).Reading1, 38);
    QCOMPARE(r.at(0).Reading2, 38);
    QCOMPARE(r.at(0).Reading3, 0);
    QCOMPARE(r.at(1).DrugName, QStringLiteral("Physostigmine"));
    QCOMPARE(r.at(1).Reading1, 30);
    QCOMPARE(r.at(1).Reading3, 30);
    QCOMPARE(r.at(1).Identified, QStringLiteral("Physostigmine"));
    QCOMPARE(r.at(3).DrugName, QStringLiteral("Acetylcholine"));
}

void TestOesoExamination::nextPartWayShowsThePairsSoFar()
{
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    click(w, "Cmd_Exam_Unknow");
    placeSeed(w);
    runSeed(w);
    click(w, "Cmd_Next");
    QCoreApplication::processEvents();
    QVERIFY(!oesophagusWindow());
    FormWindow *table = resultsWindow();
    QVERIFY(table);
    QVERIFY(shown(table, "Frame_Pass"));
    QVERIFY(!shown(table, "Frame_Grid"));
    QCOMPARE(text(table, "Frame_Pass"), QStringLiteral(" GateWay For Supervisor  Mode"));
    control<QLineEdit>(table, "Txt_PassW")->setText(QStringLiteral("SUP1"));
    click(table, "Cmd_ok");
    QVERIFY(shown(table, "Frame_Grid"));
    QVERIFY(!shown(table, "Frame_Pass"));
    QVERIFY(shown(table, "Lab_ModelTable"));
    // One seed of the unknown at 175 ms a tick: 177 ticks, 30 s.
    QCOMPARE(
        gridRows(control<TextGrid>(table, "Grid_oeso")),
        QStringList({" Serial No.| Drug  Given |  Reading 1 |  Reading 2 |  Reading 3 |    Mean   | Drug Identified",
                     "1|Ringer|0|0|0|0|", "2|Physostigmine|30|0|0|10|"}));
    click(table, "Cmd_End");
    QCoreApplication::processEvents();
    QVERIFY(WindowRegistry::find(WindowNames::OesoFront));
    QVERIFY(!ProgramEnd::hasEnded());
}

void TestOesoExamination::everyCandidateEndsTheExamination()
{
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    // Draws 0.5, then 0.1, 0.3, 0.7, 0.9 find the other four rows in turn.
    const float next[] = {0.1f, 0.3f, 0.7f, 0.9f};
    for (float draw : next) {
        m_random.setValues({draw});
        identify(w, QStringLiteral("Atropine"));
        QVERIFY(!resultsWindow());
    }
    identify(w, QString());
    QCoreApplication::processEvents();
    QVERIFY(!oesophagusWindow());
    QVERIFY(resultsWindow());
    QStringList given;
    for (const Mod_Oeso::OesoResult &r : practical().Oeso_Results)
        given << r.DrugName;
    QCOMPARE(given,
             QStringList({"Ringer", "Physostigmine", "Ringer", "Acetylcholine", "Ringer", "Carbachol", "Ringer",
                          "Atropine", "Ringer", "Adrenaline", ""}));
    QCOMPARE(practical().Oeso_Results.at(9).Identified, QString());
}

void TestOesoExamination::supervisorGateway_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the front page's password in any case, blanks round it") << "  SuP1 " << true;
    QTest::newRow("another password") << "sup2" << false;
    QTest::newRow("nothing typed") << "" << false;
}

void TestOesoExamination::supervisorGateway()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    click(w, "Cmd_Next");
    FormWindow *table = resultsWindow();
    QVERIFY(table);
    m_boxes.clear();
    auto *entry = control<QLineEdit>(table, "Txt_PassW");
    QCOMPARE(entry->maxLength(), 10);
    entry->setText(typed);
    click(table, "Cmd_ok");
    QCOMPARE(shown(table, "Frame_Grid"), accepted);
    QCOMPARE(shown(table, "Frame_Pass"), !accepted);
    QCOMPARE(m_boxes.count(), accepted ? 0 : 1);
    if (accepted)
        return;
    QCOMPARE(m_boxes.last().text, QStringLiteral("Invalid Passord. "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Password Error "));
    QCOMPARE(entry->text(), QString());
}

void TestOesoExamination::resultsGoWithThePractical()
{
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    placeSeed(w);
    runSeed(w);
    QCOMPARE(practical().Oeso_Results.at(0).Reading1, 38);
    click(w, "Cmd_Next");
    FormWindow *table = resultsWindow();
    control<QLineEdit>(table, "Txt_PassW")->setText(QStringLiteral("sup1"));
    click(table, "Cmd_ok");
    click(table, "Cmd_End");
    QCoreApplication::processEvents();
    // The next student's front page holds no readings.
    QVERIFY(practical().Oeso_Results.isEmpty());
    QCOMPARE(practical().Oeso_Mode, Mod_Oeso::Mode::None);
}

void TestOesoExamination::supervisorSavesTheTable()
{
    using namespace ResultsPdfCheck;
    if (!popplerAvailable())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    m_clock.setSeconds(14 * 3600 + 30 * 60);
    Frm_Oesophagus *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    placeSeed(w);
    runSeed(w);
    click(w, "Cmd_Exam_Unknow");
    placeSeed(w);
    runSeed(w);
    m_random.setValues({0.1f});
    identify(w, QStringLiteral("Atropine"));
    click(w, "Cmd_Next");
    FormWindow *table = resultsWindow();
    QVERIFY(table);
    QVERIFY(!saveOffered(table));
    control<QLineEdit>(table, "Txt_PassW")->setText(QStringLiteral("sup1"));
    click(table, "Cmd_ok");
    QVERIFY(saveOffered(table));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("oesophagus.pdf"));
    SaveScript saves;
    saves.answerNext(file);
    auto *grid = control<TextGrid>(table, "Grid_oeso");
    const QStringList before = gridRows(grid);
    click(table, "Cmd_SavePdf");
    QCOMPARE(m_boxes.count(), 0);
    QCOMPARE(gridRows(grid), before);
    QVERIFY(shown(table, "Frame_Grid"));

    const QString pdf = pdfText(file);
    QCOMPARE(pdfPageSizes(file).size(), 1);
    QVERIFY(pdf.contains(QLatin1String("Effect of Drugs on the Ciliary Motility of Frog Oesophagus")));
    QVERIFY(pdf.contains(QLatin1String("Examination Results")));
    QVERIFY(pdf.contains(QLatin1String("Date and time: 14 March 2024, 14:30")));
    QVERIFY(pdf.contains(QLatin1String("Table : Time (in sec) taken for movement of seeds")));
    QCOMPARE(grid->rows(), 5);
    QCOMPARE(missingRows(pdf, grid), QStringList());
    QVERIFY(hasRow(pdf,
                   {QStringLiteral("2"), QStringLiteral("Physostigmine"), QStringLiteral("30"), QStringLiteral("0"),
                    QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("Atropine")}));
}

QTEST_MAIN(TestOesoExamination)
#include "tst_oeso_examination.moc"
