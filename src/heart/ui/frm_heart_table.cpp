#include "heart/ui/frm_heart_table.h"

#include "heart/model/heart_result_tables.h"
#include "heart/model/heart_state.h"
#include "heart/ui/frm_heart.h"
#include "widgets/controls.h"
#include "widgets/input_boxes.h"
#include "widgets/results_grid.h"
#include "widgets/results_save.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 760;
constexpr int ClientHeight = 460;
const QRect GridPlace(20, 72, 720, 288);
const QString TableTitle = QStringLiteral("Table: Effects of drugs on the isolated heart of frog.");
const QString UnknownGiven = QStringLiteral("Unknown Drug Given");
const QString DrugIdentified = QStringLiteral("Drug Identified by the Student");

TextGrid *resultsGrid(const QString &name, QWidget *parent)
{
    auto *grid = new TextGrid(name, parent);
    grid->setGeometry(GridPlace);
    grid->setAccessibleName(TableTitle);
    return grid;
}

DisplayBox *answerBox(QWidget *parent, const QString &name, QLabel *label, int top)
{
    auto *box = new DisplayBox(name, parent);
    box->setGeometry(240, top, 220, 26);
    nameByLabel(box, label);
    box->hide();
    label->hide();
    return box;
}

} // namespace

Frm_Heart_Table::Frm_Heart_Table(Heart::HeartPractical &practical)
    : FormWindow(WindowNames::HeartTable)
    , m_practical(practical)
{
    setWindowTitle(QStringLiteral("Vivosim -  Heart T1.01 "));
    setClientSize(ClientWidth, ClientHeight);

    QLabel *title = Controls::label(this, QStringLiteral("tabletitleLbl"), TableTitle, QRect(20, 10, 720, 28));
    title->setAlignment(Qt::AlignCenter);
    Controls::setFont(title, 12, true);
    examno = Controls::label(this, QStringLiteral("examno"), QString(), QRect(20, 40, 720, 24));
    examno->setAlignment(Qt::AlignCenter);
    Controls::setFont(examno, 11, true);

    MsGrid_Table = resultsGrid(QStringLiteral("MsGrid_Table"), this);
    MsGrid_Table1_R = resultsGrid(QStringLiteral("MsGrid_Table1_R"), this);
    MsGrid_Table1_R->hide();
    for (TextGrid *grid : {MsGrid_Table, MsGrid_Table1_R})
        grid->viewport()->installEventFilter(this);

    Lab_UnKnown_drug = Controls::label(this, QStringLiteral("Lab_UnKnown_drug"), UnknownGiven, QRect(20, 374, 216, 22));
    Txt_unknowndrug = answerBox(this, QStringLiteral("Txt_unknowndrug"), Lab_UnKnown_drug, 372);
    Lab_Drug_Identified
        = Controls::label(this, QStringLiteral("Lab_Drug_Identified"), DrugIdentified, QRect(20, 410, 216, 22));
    Txt_drug_Identified = answerBox(this, QStringLiteral("Txt_drug_Identified"), Lab_Drug_Identified, 408);

    Cmd_Ret = Controls::button(this, QStringLiteral("Cmd_Ret"), QStringLiteral("&Return "), QRect(620, 384, 120, 40));
    Controls::setFont(Cmd_Ret, 10, true);
    connect(Cmd_Ret, &QPushButton::clicked, this, &Frm_Heart_Table::Cmd_Ret_Click);

    // Between the answer boxes and Return; only the supervisor's pages have it.
    Cmd_SavePdf = ResultsSave::button(this, QRect(476, 384, 132, 40), [this] { return examinationReport(); });
    Controls::setFont(Cmd_SavePdf, 10, true);
    Cmd_SavePdf->hide();
}

void Frm_Heart_Table::load()
{
    CentreForm(this);
    if (m_practical.Heart_Mode == Heart::Mode::Tutorial) {
        examno->setText(QStringLiteral("Model Table"));
        ResultsGrid::show(MsGrid_Table, Heart::ResultTables::modelTable(), fontMetrics());
        return;
    }
    m_TablePage = Exam1Page;
    Cmd_Ret->setText(QStringLiteral("&Ok"));
    // Only the supervisor's password leads here outside the Tutorial.
    Cmd_SavePdf->show();
    examno->setText(QStringLiteral("Examination 1"));
    ResultsGrid::show(MsGrid_Table, Heart::ResultTables::exam1Table(m_practical), fontMetrics());
}

void Frm_Heart_Table::showExam2Table()
{
    m_TablePage = Exam2Page;
    examno->setText(QStringLiteral("Examination 2"));
    ResultsGrid::show(MsGrid_Table, Heart::ResultTables::exam2Table(m_practical), fontMetrics());
    showAnswers(m_practical.Heart_Exam2Drug, m_practical.Heart_Exam2Answer);
}

void Frm_Heart_Table::showExam3Table()
{
    m_TablePage = Exam3Page;
    MsGrid_Table->hide();
    examno->setText(QStringLiteral("Examination 3"));
    ResultsGrid::show(MsGrid_Table1_R, Heart::ResultTables::exam3Table(m_practical), fontMetrics());
    MsGrid_Table1_R->show();
    showAnswers(m_practical.Heart_Exam3Drug, m_practical.Heart_Exam3Answer);
}

void Frm_Heart_Table::showAnswers(const QString &given, const QString &identified)
{
    Txt_unknowndrug->setText(given);
    Txt_drug_Identified->setText(identified);
    for (QWidget *control : {static_cast<QWidget *>(Lab_UnKnown_drug), static_cast<QWidget *>(Txt_unknowndrug),
                             static_cast<QWidget *>(Lab_Drug_Identified), static_cast<QWidget *>(Txt_drug_Identified)})
        control->show();
}

ResultsReport Frm_Heart_Table::examinationReport() const
{
    using namespace Heart::ResultTables;
    ResultsReport report;
    report.title = QStringLiteral("Effects of Drugs on the Isolated Frog Heart");
    report.subtitle = QStringLiteral("Examination Results");
    report.fileStem = QStringLiteral("Heart results");
    report.parts = {
        {QStringLiteral("Examination 1"), TableTitle, exam1Table(m_practical), {}, {}},
        {QStringLiteral("Examination 2"),
         TableTitle,
         exam2Table(m_practical),
         {{UnknownGiven, m_practical.Heart_Exam2Drug}, {DrugIdentified, m_practical.Heart_Exam2Answer}},
         {}},
        {QStringLiteral("Examination 3"),
         TableTitle,
         exam3Table(m_practical),
         {{UnknownGiven, m_practical.Heart_Exam3Drug}, {DrugIdentified, m_practical.Heart_Exam3Answer}},
         {}},
    };
    return report;
}

void Frm_Heart_Table::Cmd_Ret_Click()
{
    if (m_practical.Heart_Mode == Heart::Mode::Tutorial) {
        leave();
        return;
    }
    switch (m_TablePage) {
    case Exam1Page: showExam2Table(); break;
    case Exam2Page: showExam3Table(); break;
    default: leave(); break;
    }
}

void Frm_Heart_Table::leave()
{
    if (m_practical.Heart_Mode == Heart::Mode::Tutorial) {
        if (auto *heart = WindowRegistry::find<Frm_Heart>(WindowNames::Heart))
            heart->showAgain();
        WindowRegistry::unload(objectName());
        return;
    }
    // The front page's load unloads this window and starts a new practical.
    WindowRegistry::show(WindowNames::HeartFront);
    WindowRegistry::unload(objectName());
}

void Frm_Heart_Table::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leave();
}

bool Frm_Heart_Table::eventFilter(QObject *watched, QEvent *event)
{
    // A click into a grid hands the focus to the button.
    if (event->type() == QEvent::MouseButtonPress) {
        Cmd_Ret->setFocus();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}
