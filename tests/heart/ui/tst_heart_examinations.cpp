#include "core/asset_paths.h"
#include "core/passwords.h"
#include "heart/model/heart_state.h"
#include "heart/ui/frm_heart_table.h"
#include "heart/ui/frm_question.h"
#include "heart/ui/heart_window_fixture.h"
#include "support/windows/results_pdf_check.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace HeartWindowFixture;

namespace {

const QString Password = QStringLiteral("ABCD");

// Draws that run through eight evenly spaced values, so every drug is reached
// again within eight draws (the Examination 1 unknown is drawn until it is a
// drug not given yet).
class CyclingRandom final : public RandomSource
{
public:
    CyclingRandom() { Chance::setSource(this); }
    ~CyclingRandom() override { Chance::setSource(nullptr); }
    float next() override { return (float((m_count++ * 3) % 8) + 0.5f) / 8.0f; }
    void reseed(quint32) override { }

private:
    int m_count = 0;
};

Frm_Question *questions()
{
    return WindowRegistry::find<Frm_Question>(WindowNames::HeartQuestion);
}

// Chooses the named drug in the identification list and answers.
void identify(const QString &name)
{
    auto *list = control<QListWidget>(questions(), QStringLiteral("Lst_Drugs"));
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
    click(questions(), QStringLiteral("Cmd_done"));
}

QStringList gridRow(const TextGrid *grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->columns(); ++column)
        texts.append(grid->text(row, column));
    return texts;
}

} // namespace

class TestHeartExaminations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HeartWindowFixture::setUp(); }
    void init()
    {
        m_boxes.clear();
        // Every step must open its next window before it closes its own:
        // a practical left with no window would end the program.
        m_windowsAllGone = 0;
        WindowRegistry::setLastUnloadHandler([this] { ++m_windowsAllGone; });
    }
    void cleanup()
    {
        TestWindows::unloadEverything();
        HeartWindowFixture::setUp();
    }

    void threeExaminationsEndAtTheFrontPage();
    void examination1WindowHidesTheDrug();
    void emptyIdentificationKeepsTheQuestion();
    void returnGateway_data();
    void returnGateway();
    void supervisorGateway_data();
    void supervisorGateway();
    void unreadableDrugsBetweenStagesGoToTheFrontPage();
    void supervisorSavesTheThreeTables();

private:
    void examination1(QStringList &answers);
    void examination2();
    void examination3();
    void resultsTables(const QStringList &answers);

    FakeClock m_clock;
    CyclingRandom m_random;
    MessageBoxScript m_boxes;
    int m_windowsAllGone = 0;
};

void TestHeartExaminations::threeExaminationsEndAtTheFrontPage()
{
    QVERIFY(startExamination(Password.toLower()));
    QStringList answers;
    examination1(answers);
    if (QTest::currentTestFailed())
        return;
    examination2();
    if (QTest::currentTestFailed())
        return;
    examination3();
    if (QTest::currentTestFailed())
        return;
    resultsTables(answers);
    QCOMPARE(m_windowsAllGone, 0);
}

void TestHeartExaminations::examination1(QStringList &answers)
{
    for (int unknown = 1; unknown <= 8; ++unknown) {
        Frm_Heart *heart = heartWindow();
        QVERIFY(heart);
        QCOMPARE(text(heart, "lbl_unkdrug"), QStringLiteral("Unknown Drug No. %1").arg(unknown));
        QCOMPARE(m_boxes.count(), 0);
        settle(heart);
        // The fifth unknown is answered without an injection.
        if (unknown != 5) {
            click(heart, "Cmd_inject");
            QCOMPARE(text(heart, "Lab_drugname"), QStringLiteral("Unknown Drug %1").arg(unknown));
        }
        click(heart, "Cmd_Next");
        QVERIFY(!heartWindow());
        QVERIFY(questions() && questions()->isVisible());
        QVERIFY(shown(questions(), "Frame_ExamQuestions"));
        QCOMPARE(control<QListWidget>(questions(), "Lst_Drugs")->count(), 8);

        // The third answer is wrong on purpose.
        const QString given = practical().Heart_Exam1Results[unknown].Given;
        QString answer = given;
        if (unknown == 3)
            answer = given == QLatin1String("Atropine") ? QStringLiteral("Epinephrine") : QStringLiteral("Atropine");
        answers.append(answer);
        identify(answer);
        QVERIFY(!questions());
    }
    QCOMPARE(practical().Heart_Mode, Heart::Mode::Exam2);
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, QStringLiteral(" Examination 1 is over. You are about to start Examination 2. "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Please Note "));
}

void TestHeartExaminations::examination2()
{
    Frm_Heart *heart = heartWindow();
    QVERIFY(heart);
    QCOMPARE(heart->windowTitle(), QStringLiteral("Effects of Drugs on the Frog's Heart  -   Examination Mode "));
    QVERIFY(text(heart, "LabTitle").startsWith(QLatin1String("EXAMINATION 2 :")));
    auto *list = control<QComboBox>(heart, "Combo_Drug");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 9);
    QCOMPARE(list->itemText(8), QStringLiteral("Unknown drug"));
    QVERIFY(!control<QWidget>(heart, "CmdTable")->isEnabled());
    QVERIFY(!control<QWidget>(heart, "Cmd_New")->isEnabled());

    settle(heart);
    inject(heart, 8);
    QCOMPARE(text(heart, "Lab_DDose"), QStringLiteral("ml"));

    // Cancel at the confirmation keeps the experiment running.
    m_boxes.answerNext(MessageBoxes::Answer::Cancel);
    click(heart, "Cmd_Next");
    QCOMPARE(m_boxes.last().text,
             QStringLiteral(" Are you sure? Have you identified the unknown? You cannot return.  "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Warning "));
    QCOMPARE(heartWindow(), heart);
    QVERIFY(heart->isVisible());
    QVERIFY(!questions());

    m_boxes.answerNext(MessageBoxes::Answer::Ok);
    click(heart, "Cmd_Next");
    QVERIFY(!heartWindow());
    QVERIFY(shown(questions(), "Frame_ExamQuestions"));
    identify(QStringLiteral("Atropine"));
    QCOMPARE(practical().Heart_Exam2Answer, QStringLiteral("Atropine"));
    QCOMPARE(practical().Heart_Mode, Heart::Mode::Exam3);
    QCOMPARE(m_boxes.last().text, QStringLiteral(" Examination 2 is over. You are about to start Examination 3.   "));
}

void TestHeartExaminations::examination3()
{
    Frm_Heart *heart = heartWindow();
    QVERIFY(heart);
    QCOMPARE(heart->windowTitle(), QStringLiteral("Effects of Drugs on the Frog Heart  -   Examination Mode "));
    QCOMPARE(control<QComboBox>(heart, "Combo_Drug")->count(), 3);
    const int notices = m_boxes.count();

    settle(heart);
    inject(heart, 0);
    ticks(heart, 76);
    // A new heart keeps the command bar where the examinations put it and
    // starts a new row; the stage's notice is not given again.
    click(heart, "Cmd_New");
    QCOMPARE(practical().Heart_HeartNo, 2);
    QCOMPARE(control<QGroupBox>(heart, "Fra_CmdBar")->x(), 150);
    QCOMPARE(m_boxes.count(), notices);
    settle(heart);
    inject(heart, 2);
    ticks(heart, 76);

    click(heart, "Cmd_Next");
    QVERIFY(!heartWindow());
    Frm_Question *comparison = questions();
    QVERIFY(comparison);
    QVERIFY(shown(comparison, "Frame_exam4"));
    QVERIFY(!shown(comparison, "Frame_ExamQuestions"));
    auto *grid = control<TextGrid>(comparison, "MsGrid_Table1");
    QCOMPARE(grid->rows(), 3);
    QCOMPARE(gridRow(grid, 0), QStringList({" Heart No.", " Epinephrine     ", " Acetylcholine ", " Unknown Drug "}));
    QCOMPARE(gridRow(grid, 1).at(1), QString::number(practical().Heart_Exam3Rates[1].EpiRate));
    QCOMPARE(gridRow(grid, 2).at(3), QString::number(practical().Heart_Exam3Rates[2].UnknownRate));
    QVERIFY(practical().Heart_Exam3Rates[2].UnknownRate != 0);

    control<QRadioButton>(comparison, "Opt_dr_1")->setChecked(true);
    click(comparison, "Cmd_exam4");
    QCOMPARE(practical().Heart_Exam3Answer, QStringLiteral("Acetylcholine"));
    QVERIFY(!shown(comparison, "Frame_exam4"));
    QVERIFY(shown(comparison, "Frame_Password"));
    control<QLineEdit>(comparison, "Txt_PassWord")->setText(Password);
    click(comparison, "Cmd_Ok_Password");
    QVERIFY(!questions());
}

void TestHeartExaminations::resultsTables(const QStringList &answers)
{
    auto *table = WindowRegistry::find<Frm_Heart_Table>(WindowNames::HeartTable);
    QVERIFY(table && table->isVisible());
    QCOMPARE(text(table, "examno"), QStringLiteral("Examination 1"));
    QCOMPARE(control<QPushButton>(table, "Cmd_Ret")->text(), QStringLiteral("&Ok"));
    auto *grid = control<TextGrid>(table, "MsGrid_Table");
    QCOMPARE(grid->rows(), 9);
    for (int row = 1; row <= 8; ++row) {
        const QStringList texts = gridRow(grid, row);
        QCOMPARE(texts.at(1), practical().Heart_Exam1Results[row].Given);
        QCOMPARE(texts.at(2), answers.at(row - 1));
        QCOMPARE(texts.at(3) == QLatin1String(" Drug Not Injected "), row == 5);
    }
    QVERIFY(!shown(table, "Txt_unknowndrug"));

    click(table, "Cmd_Ret");
    QCOMPARE(table->TablePage(), Frm_Heart_Table::Exam2Page);
    QCOMPARE(text(table, "examno"), QStringLiteral("Examination 2"));
    QCOMPARE(grid->rows(), practical().Heart_Exam2Count + 1);
    QCOMPARE(grid->text(1, 1), QStringLiteral("Unknown drug"));
    QVERIFY(shown(table, "Txt_unknowndrug"));
    QCOMPARE(text(table, "Txt_unknowndrug"), practical().Heart_Exam2Drug);
    QCOMPARE(text(table, "Txt_drug_Identified"), QStringLiteral("Atropine"));

    click(table, "Cmd_Ret");
    QCOMPARE(table->TablePage(), Frm_Heart_Table::Exam3Page);
    QCOMPARE(text(table, "examno"), QStringLiteral("Examination 3"));
    QVERIFY(!grid->isVisible());
    auto *hearts = control<TextGrid>(table, "MsGrid_Table1_R");
    QVERIFY(hearts->isVisible());
    QCOMPARE(hearts->rows(), 3);
    QCOMPARE(hearts->text(0, 1), QStringLiteral(" Epinephrine (HR) "));
    QCOMPARE(text(table, "Txt_unknowndrug"), practical().Heart_Exam3Drug);
    QCOMPARE(text(table, "Txt_drug_Identified"), QStringLiteral("Acetylcholine"));

    click(table, "Cmd_Ret");
    QVERIFY(!WindowRegistry::find(WindowNames::HeartTable));
    QVERIFY(WindowRegistry::find(WindowNames::HeartFront));
    QCOMPARE(practical().Heart_Mode, Heart::Mode::None);
}

void TestHeartExaminations::examination1WindowHidesTheDrug()
{
    Frm_Heart *heart = startExamination(Password);
    QVERIFY(heart);
    QCOMPARE(heart->windowTitle(), QStringLiteral("Effects of Drugs on the Frog Heart  -   Examination Mode "));
    QVERIFY(text(heart, "LabTitle").startsWith(QLatin1String("EXAMINATION 1 :")));
    QVERIFY(!shown(heart, "Combo_Drug"));
    QVERIFY(!shown(heart, "Lab_drug"));
    QVERIFY(shown(heart, "lbl_unkdrug"));
    QVERIFY(shown(heart, "ProBar_Time"));
    QVERIFY(!shown(heart, "Help_frame"));
    QCOMPARE(control<QGroupBox>(heart, "Fra_CmdBar")->x(), 150);
    QCOMPARE(text(heart, "Txt_Dose"), QStringLiteral("0.1"));
    QCOMPARE(text(heart, "Lab_DDose"), QStringLiteral("ml"));
    QVERIFY(!control<QWidget>(heart, "CmdTable")->isEnabled());
    QVERIFY(!control<QWidget>(heart, "Cmd_New")->isEnabled());
    QVERIFY(control<QWidget>(heart, "Cmd_return")->isEnabled());
}

void TestHeartExaminations::emptyIdentificationKeepsTheQuestion()
{
    Frm_Heart *heart = startExamination(Password);
    QVERIFY(heart);
    click(heart, "Cmd_Next");
    click(questions(), "Cmd_done");
    QVERIFY(questions() && questions()->isVisible());
    QVERIFY(!heartWindow());
    QCOMPARE(practical().Heart_Exam1Results[1].Identified, QString());
    QCOMPARE(questions()->focusWidget(), control<QListWidget>(questions(), "Lst_Drugs"));
}

void TestHeartExaminations::returnGateway_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<bool>("byEnter");

    QTest::newRow("empty entry") << "   " << false << true << "   " << false;
    QTest::newRow("wrong password") << "ABCE" << false << true << "" << false;
    QTest::newRow("wrong password, Enter") << "ABCE" << false << true << "" << true;
    QTest::newRow("lower case with blanks") << " abcd " << false << false << "" << false;
    QTest::newRow("lower case with blanks, Enter") << " abcd " << false << false << "" << true;
    QTest::newRow("cancel") << "" << true << false << "" << false;
}

void TestHeartExaminations::returnGateway()
{
    QFETCH(QString, entry);
    QFETCH(bool, cancel);
    QFETCH(bool, refused);
    QFETCH(QString, entryAfter);
    QFETCH(bool, byEnter);

    Frm_Heart *heart = startExamination(Password);
    QVERIFY(heart);
    click(heart, "Cmd_return");
    QVERIFY(shown(heart, "frm_retpass"));
    QVERIFY(!shown(heart, "Fra_CmdBar"));

    if (cancel) {
        click(heart, "cmd_pwretcan");
        QVERIFY(!shown(heart, "frm_retpass"));
        QVERIFY(shown(heart, "Fra_CmdBar"));
        QCOMPARE(heartWindow(), heart);
        return;
    }
    control<QLineEdit>(heart, "Txt_pwret")->setText(entry);
    if (byEnter)
        QTest::keyClick(control<QLineEdit>(heart, "Txt_pwret"), Qt::Key_Return);
    else
        click(heart, "cmd_pwretok");
    if (!refused) {
        QCOMPARE(m_boxes.count(), 0);
        QVERIFY(!heartWindow());
        QVERIFY(WindowRegistry::find(WindowNames::HeartFront));
        return;
    }
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, QStringLiteral("Invalid Password "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Password Error "));
    QCOMPARE(heartWindow(), heart);
    QVERIFY(shown(heart, "frm_retpass"));
    QCOMPARE(text(heart, "Txt_pwret"), entryAfter);
}

void TestHeartExaminations::supervisorGateway_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<bool>("byEnter");

    // Blanks count as no entry at all: refused, and left in the box.
    QTest::newRow("blank entry kept") << "  " << true << "  " << false;
    QTest::newRow("wrong password") << "ABC" << true << "" << false;
    QTest::newRow("wrong password, Enter") << "ABC" << true << "" << true;
    QTest::newRow("the examination's password") << "abcd" << false << "" << false;
    QTest::newRow("the examination's password, Enter") << " abcd" << false << "" << true;
}

void TestHeartExaminations::supervisorGateway()
{
    QFETCH(QString, entry);
    QFETCH(bool, refused);
    QFETCH(QString, entryAfter);
    QFETCH(bool, byEnter);

    practical() = Heart::HeartPractical();
    practical().Heart_Mode = Heart::Mode::Exam3;
    practical().Heart_Password = Passwords::fixedField(Password);
    practical().Heart_HeartNo = 1;
    practical().Heart_Exam3Rates.resize(2);
    auto *window = qobject_cast<Frm_Question *>(WindowRegistry::load(WindowNames::HeartQuestion));
    QVERIFY(window);
    window->showComparison(window->fontMetrics());
    WindowRegistry::show(WindowNames::HeartQuestion);
    // No option chosen.
    click(window, "Cmd_exam4");
    QCOMPARE(practical().Heart_Exam3Answer, QStringLiteral("Not Identified"));

    control<QLineEdit>(window, "Txt_PassWord")->setText(entry);
    if (byEnter)
        QTest::keyClick(control<QLineEdit>(window, "Txt_PassWord"), Qt::Key_Return);
    else
        click(window, "Cmd_Ok_Password");
    if (!refused) {
        QCOMPARE(m_boxes.count(), 0);
        QVERIFY(!questions());
        QVERIFY(WindowRegistry::find(WindowNames::HeartTable));
        return;
    }
    QCOMPARE(m_boxes.count(), 1);
    QCOMPARE(m_boxes.last().text, QStringLiteral("Invalid Passord "));
    QCOMPARE(m_boxes.last().title, QStringLiteral(" Password Error "));
    QCOMPARE(questions(), window);
    QCOMPARE(text(window, "Txt_PassWord"), entryAfter);
    QVERIFY(!WindowRegistry::find(WindowNames::HeartTable));
}

void TestHeartExaminations::unreadableDrugsBetweenStagesGoToTheFrontPage()
{
    Frm_Heart *heart = startExamination(Password);
    QVERIFY(heart);
    click(heart, "Cmd_Next");
    QTemporaryDir emptyFolder;
    AssetPaths::setFolder(emptyFolder.path());
    identify(practical().Heart_Exam1Results[1].Given);

    QCOMPARE(m_boxes.count(), 1);
    QVERIFY(m_boxes.last().text.contains(QLatin1String("F_Heart.mdb")));
    QVERIFY(!heartWindow());
    QVERIFY(!questions());
    QVERIFY(WindowRegistry::find(WindowNames::HeartFront));
    QCOMPARE(m_windowsAllGone, 0);
}

void TestHeartExaminations::supervisorSavesTheThreeTables()
{
    using ResultsPdfCheck::hasRow, ResultsPdfCheck::missingRows, ResultsPdfCheck::pdfPageSizes,
        ResultsPdfCheck::pdfText, ResultsPdfCheck::popplerAvailable, ResultsPdfCheck::saveOffered,
        ResultsPdfCheck::SaveScript;
    if (!popplerAvailable())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    m_clock.setSeconds(36000);
    // A practical at the end of Examination 3: the second unknown was never
    // answered, the third answered without an injection.
    practical() = Heart::HeartPractical();
    practical().Heart_Mode = Heart::Mode::Exam3;
    practical().Heart_Password = Passwords::fixedField(Password);
    practical().Heart_DrugCount = 3;
    practical().Heart_Exam1Results[1]
        = {QStringLiteral("Atropine"), QStringLiteral("Atropine"), QStringLiteral("N"), 52};
    practical().Heart_Exam1Results[2] = {QString(), QStringLiteral("Histamine"), QStringLiteral("N"), 71};
    practical().Heart_Exam1Results[3]
        = {QStringLiteral("Epinephrine"), QStringLiteral("Propranolol"), QStringLiteral("D"), 0};
    practical().Heart_Exam2Drug = QStringLiteral("Propranolol");
    practical().Heart_Exam2Answer = QStringLiteral("Atropine");
    practical().Heart_Exam2Count = 2;
    practical().Heart_Exam2Log = {{},
                                  {QStringLiteral("Epinephrine"), QStringLiteral("I"), 88},
                                  {QStringLiteral("Unknown drug"), QStringLiteral("D"), 47}};
    practical().Heart_HeartNo = 2;
    practical().Heart_Exam3Rates = {{}, {84, 41, 0}, {86, 39, 63}};
    practical().Heart_Exam3Drug = QStringLiteral("Epinephrine");
    auto *window = qobject_cast<Frm_Question *>(WindowRegistry::load(WindowNames::HeartQuestion));
    QVERIFY(window);
    window->showComparison(window->fontMetrics());
    WindowRegistry::show(WindowNames::HeartQuestion);
    control<QRadioButton>(window, "Opt_dr_0")->setChecked(true);
    click(window, "Cmd_exam4");
    // Before the password there are no results to save.
    QVERIFY(!WindowRegistry::find(WindowNames::HeartTable));
    control<QLineEdit>(window, "Txt_PassWord")->setText(Password);
    click(window, "Cmd_Ok_Password");
    auto *table = WindowRegistry::find<Frm_Heart_Table>(WindowNames::HeartTable);
    QVERIFY(table);
    QVERIFY(saveOffered(table));
    QCOMPARE(text(table, "Cmd_SavePdf"), QStringLiteral("Save as PDF\u2026"));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("heart.pdf"));
    SaveScript saves;
    saves.answerNext(file, QStringLiteral("Ann Lee"));
    auto *grid = control<TextGrid>(table, "MsGrid_Table");
    const QStringList before = gridRow(grid, 1);
    click(table, "Cmd_SavePdf");
    QCOMPARE(m_boxes.count(), 0);
    // The screen stays on the first page, as it was.
    QCOMPARE(table->TablePage(), Frm_Heart_Table::Exam1Page);
    QCOMPARE(text(table, "examno"), QStringLiteral("Examination 1"));
    QCOMPARE(gridRow(grid, 1), before);
    QVERIFY(!shown(table, "Txt_unknowndrug"));

    const QString pdf = pdfText(file);
    QCOMPARE(pdfPageSizes(file).size(), 3);
    QVERIFY(pdf.contains(QLatin1String("Effects of Drugs on the Isolated Frog Heart")));
    QVERIFY(pdf.contains(QLatin1String("Examination Results")));
    QVERIFY(pdf.contains(QLatin1String("Date and time: 14 March 2024, 10:00")));
    QVERIFY(pdf.contains(QLatin1String("Student's name: Ann Lee")));
    // Every page of the supervisor's tables, as the screen shows it in turn.
    QVERIFY(hasRow(pdf,
                   {QStringLiteral("2"), QStringLiteral("Propranolol"), QStringLiteral("Epinephrine"),
                    QStringLiteral("Drug Not Injected"), QStringLiteral("D")}));
    const QStringList pages
        = {QStringLiteral("Examination 1"), QStringLiteral("Examination 2"), QStringLiteral("Examination 3")};
    for (const QString &page : pages) {
        QCOMPARE(text(table, "examno"), page);
        QVERIFY(pdf.contains(page));
        const auto *shownGrid = control<TextGrid>(table, page.endsWith(u'3') ? "MsGrid_Table1_R" : "MsGrid_Table");
        QCOMPARE(missingRows(pdf, shownGrid), QStringList());
        if (shown(table, "Txt_unknowndrug")) {
            QVERIFY(hasRow(pdf, {text(table, "Lab_UnKnown_drug"), text(table, "Txt_unknowndrug")}));
            QVERIFY(hasRow(pdf, {text(table, "Lab_Drug_Identified"), text(table, "Txt_drug_Identified")}));
        }
        if (page != pages.last())
            click(table, "Cmd_Ret");
    }
    QVERIFY(hasRow(pdf, {QStringLiteral("Drug Identified by the Student"), QStringLiteral("Epinephrine")}));
}

QTEST_MAIN(TestHeartExaminations)
#include "tst_heart_examinations.moc"
