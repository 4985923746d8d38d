#include "heart/ui/frm_question.h"

#include "heart/model/heart_result_tables.h"
#include "heart/model/heart_stages.h"
#include "heart/model/heart_state.h"
#include "heart/ui/frm_heart.h"
#include "widgets/controls.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/results_grid.h"
#include "widgets/text_grid.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int ClientWidth = 600;
constexpr int ClientHeight = 430;
const QRect FramePlace(10, 8, 580, 414);

const char *const TutorialQuestions[] = {
    "1.   List cardiac stimulants and depressants ?",
    "2.  Why should i.v. potassium and calcium injections be given slowly ?",
    "3.  Why is dopamine  preferred over adrenaline in cardiogenic  shock  ?  ",
    "    4.  List the uses and adverse effects of  (i)  propranolol  (ii)  digoxin   (iii)  adrenaline",
    "    5.  A bronchial asthma patient complained of palpitation and  increase in B.P.                    "
    "whenever he was taking a medication (Brovon Inhaler). What was the                            "
    "possible nature of medication?",
};

QPushButton *okButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    QPushButton *button = Controls::button(parent, name, caption, place);
    Controls::setFont(button, 10, true);
    return button;
}

} // namespace

Frm_Question::Frm_Question(Heart::HeartPractical &practical)
    : FormWindow(WindowNames::HeartQuestion)
    , m_practical(practical)
{
    setWindowTitle(QStringLiteral("Vivosim - Heart T1.01"));
    setClientSize(ClientWidth, ClientHeight);
    buildTutorialQuestions();
    buildIdentification();
    buildComparison();
    buildSupervisorGateway();
}

void Frm_Question::buildTutorialQuestions()
{
    Frame_TutQuestions = Controls::frame(this, QStringLiteral("Frame_TutQuestions"),
                                         QStringLiteral(" Answer the follwing questions "), FramePlace);
    int y = 34;
    int number = 1;
    for (const char *question : TutorialQuestions) {
        // The last question runs over three lines.
        const int height = number == 5 ? 70 : 44;
        QLabel *label = Controls::label(Frame_TutQuestions, QStringLiteral("Label_Q%1").arg(number++),
                                        QString::fromLatin1(question), QRect(16, y, 548, height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Controls::setFont(label, 10);
        y += height + 8;
    }
    QPushButton *ret
        = okButton(Frame_TutQuestions, QStringLiteral("Cmd_Ret"), QStringLiteral("&Return "), QRect(150, 350, 120, 40));
    QPushButton *ok
        = okButton(Frame_TutQuestions, QStringLiteral("Cmd_Done1"), QStringLiteral("&OK"), QRect(310, 350, 120, 40));
    connect(ret, &QPushButton::clicked, this, &Frm_Question::Cmd_Ret_Click);
    connect(ok, &QPushButton::clicked, this, &Frm_Question::Cmd_Done1_Click);
    Frame_TutQuestions->hide();
}

void Frm_Question::buildIdentification()
{
    Frame_ExamQuestions = Controls::frame(this, QStringLiteral("Frame_ExamQuestions"),
                                          QStringLiteral("Identify the unknown drug "), FramePlace);
    QLabel *label = Controls::label(Frame_ExamQuestions, QStringLiteral("Label_DrugList"), QStringLiteral("Drug list"),
                                    QRect(170, 36, 240, 22));
    Controls::setFont(label, 10, true);
    Lst_Drugs = new QListWidget(Frame_ExamQuestions);
    Lst_Drugs->setObjectName(QStringLiteral("Lst_Drugs"));
    Lst_Drugs->setGeometry(170, 60, 240, 250);
    nameByLabel(Lst_Drugs, label);
    QPushButton *ok
        = okButton(Frame_ExamQuestions, QStringLiteral("Cmd_done"), QStringLiteral("&Ok"), QRect(230, 330, 120, 40));
    connect(ok, &QPushButton::clicked, this, &Frm_Question::Cmd_done_Click);
    Frame_ExamQuestions->hide();
}

void Frm_Question::buildComparison()
{
    Frame_exam4 = Controls::frame(this, QStringLiteral("Frame_exam4"), QString(), FramePlace);
    QLabel *text = Controls::label(
        Frame_exam4, QStringLiteral("Label_exam4"),
        QStringLiteral("The  table  shows  the  heart  rate (beats/min)  observed. Compare the heart rate of unknown "
                       "drug with those of other drugs using appropriate statistical methods and identify it. "),
        QRect(14, 18, 552, 52));
    Controls::setFont(text, 10);
    MsGrid_Table1 = new TextGrid(QStringLiteral("MsGrid_Table1"), Frame_exam4);
    MsGrid_Table1->setGeometry(14, 76, 552, 200);
    MsGrid_Table1->setAccessibleName(QStringLiteral("Heart rate (beats/min) observed"));
    QLabel *compares = Controls::label(Frame_exam4, QStringLiteral("Label_Compares"),
                                       QStringLiteral("The Unknown Drug Compares With"), QRect(14, 290, 290, 22));
    Controls::setFont(compares, 10, true);
    Opt_dr_0 = new QRadioButton(QStringLiteral("Epinephrine"), Frame_exam4);
    Opt_dr_0->setObjectName(QStringLiteral("Opt_dr_0"));
    Opt_dr_0->setGeometry(310, 290, 120, 22);
    Opt_dr_0->setToolTip(QStringLiteral("Click if unknown is Epinephrine"));
    Opt_dr_1 = new QRadioButton(QStringLiteral("Acetylcholine"), Frame_exam4);
    Opt_dr_1->setObjectName(QStringLiteral("Opt_dr_1"));
    Opt_dr_1->setGeometry(436, 290, 130, 22);
    Opt_dr_1->setToolTip(QStringLiteral("Click if unknown is ACh"));
    QPushButton *ok
        = okButton(Frame_exam4, QStringLiteral("Cmd_exam4"), QStringLiteral("&Ok"), QRect(230, 340, 120, 40));
    connect(ok, &QPushButton::clicked, this, &Frm_Question::Cmd_exam4_Click);
    Frame_exam4->hide();
}

void Frm_Question::buildSupervisorGateway()
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("Frame_Password");
    g.frameCaption = QStringLiteral(" GateWay to Supervisor Mode");
    g.frameGeometry = QRect(130, 120, 340, 180);
    g.frameFont = {10, true};
    g.labelName = QStringLiteral("Label_Password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(24, 56, 100, 26);
    g.entryName = QStringLiteral("Txt_PassWord");
    g.mask = QLatin1Char('x');
    g.entryGeometry = QRect(126, 54, 180, 30);
    g.okName = QStringLiteral("Cmd_Ok_Password");
    g.okCaption = QStringLiteral("&Ok");
    g.okGeometry = QRect(110, 116, 120, 40);
    g.okIsDefault = true;
    g.buttonFont = {10, true};
    // The examination's own password; a blank entry is refused as it is.
    g.storedPassword = [this] { return m_practical.Heart_Password; };
    g.blankRefusedAndKept = true;
    g.refusalText = QStringLiteral("Invalid Passord ");
    Frame_Password = new PasswordGateway(g, this);
    connect(Frame_Password, &PasswordGateway::accepted, this, &Frm_Question::supervisorAccepted);
}

void Frm_Question::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
    if (m_practical.Heart_Mode == Heart::Mode::Tutorial)
        Frame_TutQuestions->show();
    else if (m_practical.Heart_Mode == Heart::Mode::Exam1 || m_practical.Heart_Mode == Heart::Mode::Exam2)
        Frame_ExamQuestions->show();
}

void Frm_Question::setDrugList(const QStringList &names)
{
    Lst_Drugs->clear();
    Lst_Drugs->addItems(names);
}

void Frm_Question::showComparison(const QFontMetrics &heartWindowFont)
{
    Frame_exam4->show();
    ResultsGrid::show(MsGrid_Table1, Heart::ResultTables::comparisonTable(m_practical), heartWindowFont);
}

void Frm_Question::Cmd_Ret_Click()
{
    if (auto *heart = WindowRegistry::find<Frm_Heart>(WindowNames::Heart))
        heart->showAgain();
    WindowRegistry::unload(objectName());
}

void Frm_Question::Cmd_Done1_Click()
{
    WindowRegistry::show(WindowNames::HeartFront);
    WindowRegistry::unload(objectName());
}

QString Frm_Question::selectedDrug() const
{
    const QListWidgetItem *item = Lst_Drugs->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Frm_Question::Cmd_done_Click()
{
    const QString selected = selectedDrug();
    const bool answered = m_practical.Heart_Mode == Heart::Mode::Exam1
        ? Heart::Stages::answerExam1(m_practical, selected)
        : Heart::Stages::answerExam2(m_practical, selected);
    if (!answered) {
        Lst_Drugs->setFocus();
        return;
    }
    Lst_Drugs->clear();
    // The heart window opens on the next stage before this one goes, so the
    // practical always has a window.
    WindowRegistry::show(WindowNames::Heart);
    WindowRegistry::unload(objectName());
}

void Frm_Question::Cmd_exam4_Click()
{
    using Heart::Stages::Exam3Choice;
    Exam3Choice choice = Exam3Choice::None;
    if (Opt_dr_0->isChecked())
        choice = Exam3Choice::Epinephrine;
    else if (Opt_dr_1->isChecked())
        choice = Exam3Choice::Acetylcholine;
    Heart::Stages::answerExam3(m_practical, choice);
    Frame_exam4->hide();
    Frame_Password->open();
}

void Frm_Question::supervisorAccepted()
{
    WindowRegistry::show(WindowNames::HeartTable);
    WindowRegistry::unload(objectName());
}
