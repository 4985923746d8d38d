#include "rabbit/ui/frm_rab_table.h"
#include "rabbit/ui/rabbit_window_fixture.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace RabbitWindowFixture;
using Rab_eye::Eye;

namespace {

void answer(Frm_Rabbit *w, const QString &name)
{
    auto *list = control<QListWidget>(w, "Lst_Exam");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

} // namespace

class TestRabbitExamWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { RabbitWindowFixture::setUp(); }
    void init()
    {
        m_boxes.clear();
        m_random.setValues({0.5f});
    }
    void cleanup() { TestWindows::unloadEverything(); }

    void examinationOneOffersTheUnknowns();
    void busyEyeInExaminationOne();
    void examinationTwoEndsAtTheSupervisorsTable();
    void supervisorSavesTheTable();

private:
    FakeClock m_clock;
    ScriptedRandom m_random;
    MessageBoxScript m_boxes;
};

void TestRabbitExamWindows::examinationOneOffersTheUnknowns()
{
    Frm_Rabbit *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral(" Effects of Drugs on the Rabbit Eye- Examination Mode "));
    QCOMPARE(text(w, "LAb_Title"),
             QStringLiteral("Examination 1 : You are given a set of unknown drugs. Test them "
                            "on the rabbit eye and identify."));
    QVERIFY(shown(w, "Frame_Exam"));
    QVERIFY(!shown(w, "Frame_help"));
    QVERIFY(shown(w, "lab_Exam"));
    QVERIFY(!shown(w, "Combo_Drug"));
    QVERIFY(shown(w, "Cmd_Saline"));
    QVERIFY(!enabled(w, "Cmd_Table"));
    QCOMPARE(control<QListWidget>(w, "Lst_Exam")->count(), 8);
    QCOMPARE(text(w, "Lab_DName"), QStringLiteral("Unknown Drug 1"));

    instil(w, Eye::Left, true);
    instil(w, Eye::Right);
    QCOMPARE(text(w, "Lab_LDrug"), QStringLiteral("Saline"));
    QCOMPARE(text(w, "Lab_rDrug"), QStringLiteral("Unknown Drug 1"));
    answer(w, QStringLiteral("Adrenaline"));
    click(w, "Cmd_Dr_Id");
    QCOMPARE(text(w, "Lab_DName"), QStringLiteral("Unknown Drug 2"));
    QVERIFY(control<QListWidget>(w, "Lst_Exam")->selectedItems().isEmpty());
    const Rab_eye::RabResult &first = practical().Rab_Results.at(1);
    QCOMPARE(first.Identified, QStringLiteral("Adrenaline"));
    QCOMPARE(first.SalineInstilled, QChar('Y'));
    QCOMPARE(first.Tension, QChar('D'));
}

void TestRabbitExamWindows::busyEyeInExaminationOne()
{
    Frm_Rabbit *w = startExamination(QStringLiteral("sup1"));
    instil(w, Eye::Left);
    instil(w, Eye::Left);
    instil(w, Eye::Right);
    instil(w, Eye::Right, true);
    QCOMPARE(m_boxes.count(), 2);
    QCOMPARE(m_boxes.asked().at(0).text, QStringLiteral("Already a drug is acting. So choose a New rabbit"));
    QCOMPARE(m_boxes.asked().at(1).text, QStringLiteral("Already a drug is acting. Choose a New rabbit"));
}

void TestRabbitExamWindows::examinationTwoEndsAtTheSupervisorsTable()
{
    Frm_Rabbit *w = startExamination(QStringLiteral("sup1"));
    click(w, "Cmd_Next");
    QCOMPARE(practical().Rab_Mode, Rab_eye::Mode::Examination2);
    QCOMPARE(text(w, "Lab_Rab_No"), QStringLiteral("Rabbit 2"));
    QVERIFY(text(w, "LAb_Title").startsWith(QStringLiteral("Examination 2 : ")));
    auto *list = control<QListWidget>(w, "Lst_Exam");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Miotic"));
    QVERIFY(!enabled(w, "cmdreturn"));
    instil(w, Eye::Left);
    tick(w->instillTimer(Eye::Left), 3);
    answer(w, QStringLiteral("Mydriatic"));
    click(w, "Cmd_Dr_Id");

    auto *table = WindowRegistry::find<Frm_Rab_Table>(WindowNames::RabbitTable);
    QVERIFY(table && shown(table, "Frame_Pass"));
    QVERIFY(!shown(table, "Frametab"));
    auto *entry = control<QLineEdit>(table, "Txt_PassW");
    entry->setText(QStringLiteral("wrong"));
    click(table, "Cmd_pass");
    QCOMPARE(m_boxes.last().text, QStringLiteral("Invalid Passord "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Password Error "));
    QCOMPARE(entry->text(), QString());
    entry->setText(QStringLiteral(" sup1"));
    click(table, "Cmd_pass");
    QVERIFY(shown(table, "Frametab"));
    auto *grid = control<TextGrid>(table, "Grid_Rab");
    QCOMPARE(grid->rows(), 1 + 8 + 1);
    QCOMPARE(grid->text(0, 6).simplified(), QStringLiteral("Drug Identified"));
    QCOMPARE(grid->text(2, 6), QStringLiteral(" Not Identified "));
    QCOMPARE(grid->text(9, 0), QStringLiteral(" Exam. 2"));
    QCOMPARE(grid->text(9, 6), QStringLiteral("Mydriatic"));

    click(table, "Cmd_End");
    QVERIFY(WindowRegistry::find(WindowNames::RabbitFront));
    QVERIFY(practical().Rab_Results.isEmpty());
    QVERIFY(!practical().Rab_Exam2Result.recorded);
}

void TestRabbitExamWindows::supervisorSavesTheTable()
{
    using namespace ResultsPdfCheck;
    if (!popplerAvailable())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    m_clock.setSeconds(9 * 3600 + 15 * 60);
    Frm_Rabbit *w = startExamination(QStringLiteral("sup1"));
    QVERIFY(w);
    instil(w, Eye::Left, true);
    instil(w, Eye::Right);
    answer(w, QStringLiteral("Adrenaline"));
    click(w, "Cmd_Dr_Id");
    click(w, "Cmd_Next");
    click(w, "Cmd_Next");
    auto *table = WindowRegistry::find<Frm_Rab_Table>(WindowNames::RabbitTable);
    QVERIFY(table && shown(table, "Frame_Pass"));
    QVERIFY(!saveOffered(table));
    control<QLineEdit>(table, "Txt_PassW")->setText(QStringLiteral("sup1"));
    click(table, "Cmd_pass");
    QVERIFY(saveOffered(table));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("rabbit.pdf"));
    SaveScript saves;
    saves.answerNext(file, QStringLiteral("Ann Lee"));
    auto *grid = control<TextGrid>(table, "Grid_Rab");
    QStringList before;
    for (int row = 0; row < grid->rows(); ++row)
        before << gridRow(grid, row).join(u'|');
    click(table, "Cmd_SavePdf");
    QCOMPARE(m_boxes.count(), 0);
    QStringList after;
    for (int row = 0; row < grid->rows(); ++row)
        after << gridRow(grid, row).join(u'|');
    QCOMPARE(after, before);

    const QString pdf = pdfText(file);
    QCOMPARE(pdfPageSizes(file).size(), 1);
    QVERIFY(pdf.contains(QLatin1String("Effects of Drugs on the Rabbit Eye")));
    QVERIFY(pdf.contains(QLatin1String("Examination Results")));
    QVERIFY(pdf.contains(QLatin1String("Date and time: 14 March 2024, 09:15")));
    QVERIFY(pdf.contains(QLatin1String("Student's name: Ann Lee")));
    QVERIFY(pdf.contains(QLatin1String("Table 1: Effects of drugs on the rabbit eye")));
    // The header's lines break by the column's width, on screen and on paper.
    QCOMPARE(missingRows(pdf, grid), QStringList());
    QVERIFY(hasRow(pdf, {QStringLiteral("1"), practical().Rab_Results.at(1).DrugName, QStringLiteral("Decreased")}));
}

QTEST_MAIN(TestRabbitExamWindows)
#include "tst_rabbit_exam_windows.moc"
