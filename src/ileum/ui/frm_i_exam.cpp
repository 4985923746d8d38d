#include "ileum/ui/frm_i_exam.h"

#include "ileum/model/exam_scoring.h"
#include "ileum/model/ileum_state.h"
#include "widgets/controls.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/results_save.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int ClientWidth = 470;
constexpr int ClientHeight = 300;
// The three panels follow one another in the same place.
const QRect PanelPlace(10, 10, 450, 280);

QGroupBox *panel(QWidget *parent, const QString &name, const QString &caption)
{
    QGroupBox *frame = Controls::frame(parent, name, caption, PanelPlace);
    Controls::setFont(frame, 10, true);
    frame->hide();
    return frame;
}

// Panel contents keep the ordinary weight under the bold captions.
QLabel *plainLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    QLabel *label = Controls::label(parent, name, text, place);
    Controls::setFont(label, 10);
    return label;
}

DisplayBox *scoreBox(QWidget *parent, const QString &name, const QRect &place, QLabel *label)
{
    auto *box = new DisplayBox(name, parent);
    box->setGeometry(place);
    box->setText(QStringLiteral(" "));
    Controls::setFont(box, 10);
    nameByLabel(box, label);
    return box;
}

QPushButton *okButton(QWidget *parent, const QString &name, const QString &caption, int top)
{
    QPushButton *ok = Controls::button(parent, name, caption, QRect(175, top, 100, 34));
    Controls::setFont(ok, 10, true);
    return ok;
}

} // namespace

Frm_I_Exam::Frm_I_Exam(ileum::IleumPractical &practical)
    : FormWindow(WindowNames::IleumExam)
    , m_practical(practical)
    , Timer_War(new QTimer(this))
{
    setWindowTitle(QStringLiteral(" "));
    setClientSize(ClientWidth, ClientHeight);
    buildStudentPanel();
    buildPasswordPanel();
    buildSupervisorPanel();
    Timer_War->setObjectName(QStringLiteral("Timer_War"));
    Timer_War->setInterval(WarningBlinkMs);
    connect(Timer_War, &QTimer::timeout, this, &Frm_I_Exam::Timer_War_Timer);
}

void Frm_I_Exam::buildStudentPanel()
{
    Frame_Match = panel(this, QStringLiteral("Frame_Match"), QStringLiteral(" Enter the Concentration of Histamine "));
    QLabel *prompt = plainLabel(Frame_Match, QStringLiteral("Lab_Student_Con"),
                                QStringLiteral("Enter the Histamine Concentration for the Given Solution"),
                                QRect(20, 48, 410, 40));
    prompt->setAlignment(Qt::AlignCenter);
    Txt_Cal_Con = new NumberBox(QStringLiteral("Txt_Cal_Con"), Frame_Match);
    Txt_Cal_Con->setGeometry(155, 112, 140, 30);
    Controls::setFont(Txt_Cal_Con, 10);
    Txt_Cal_Con->setText(QStringLiteral(" "));
    Txt_Cal_Con->setTypedLength(6);
    nameByLabel(Txt_Cal_Con, prompt);
    connect(okButton(Frame_Match, QStringLiteral("com_student"), QStringLiteral("&OK"), 190), &QPushButton::clicked,
            this, &Frm_I_Exam::com_student_Click);
}

void Frm_I_Exam::buildPasswordPanel()
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("Frame_Password");
    g.frameCaption = QStringLiteral(" GateWay For   Supervisor  Mode");
    g.frameGeometry = PanelPlace;
    g.frameFont = {10, true};
    g.labelName = QStringLiteral("Lab_Password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(60, 112, 100, 28);
    g.labelFont = {10, false};
    g.entryName = QStringLiteral("Txt_Pass");
    g.mask = QLatin1Char(' ');
    g.entryGeometry = QRect(160, 110, 200, 30);
    g.entryFont = {10, false};
    g.okName = QStringLiteral("Cmd_pass");
    g.okCaption = QStringLiteral("&OK");
    g.okGeometry = QRect(175, 190, 100, 34);
    g.buttonFont = {10, true};
    // Only the OK button checks; the panel comes without moving the focus.
    g.enterSubmits = false;
    g.focusOnOpen = false;
    g.storedPassword = [this] { return m_practical.Ileum_Password; };
    g.refusalText = QStringLiteral("Invalid Passord ");
    Frame_Password = new PasswordGateway(g, this);
    connect(Frame_Password, &PasswordGateway::accepted, this, &Frm_I_Exam::showScores);
}

void Frm_I_Exam::buildSupervisorPanel()
{
    Fra_Super = panel(this, QStringLiteral("Fra_Super"), QStringLiteral(" Calculation of Error Ratio "));
    struct Row
    {
        const char *label;
        const char *text;
        const char *box;
        DisplayBox **control;
    };
    const Row rows[] = {
        {"Lab_Student", "Concentration of Histamine   Calculated    by    Student :", "Txt_cal", &Txt_cal},
        {"Lab_Actual", "Actual Concentration of                             Histamine :", "Txt_Act", &Txt_Act},
        {"Lab_Error", "Error Ratio    :", "Txt_err", &Txt_err},
    };
    int top = 30;
    for (const Row &row : rows) {
        QLabel *label = plainLabel(Fra_Super, QString::fromLatin1(row.label), QString::fromLatin1(row.text),
                                   QRect(16, top, 250, 42));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *row.control = scoreBox(Fra_Super, QString::fromLatin1(row.box), QRect(276, top + 7, 150, 28), label);
        m_scoreLabels.append(label);
        top += 48;
    }
    Lab_Warning
        = Controls::label(Fra_Super, QStringLiteral("Lab_Warning"),
                          QStringLiteral("Warning !!  Experiment not                          conducted Properly"),
                          QRect(16, 176, 418, 44));
    Lab_Warning->setAlignment(Qt::AlignCenter);
    Lab_Warning->setStyleSheet(QStringLiteral("color: #c0141e;"));
    Controls::setFont(Lab_Warning, 12, true);
    Lab_Warning->hide();
    connect(okButton(Fra_Super, QStringLiteral("Cmd_ok"), QStringLiteral("&OK"), 228), &QPushButton::clicked, this,
            &Frm_I_Exam::Cmd_ok_Click);
    // Right of OK, on the panel that only the supervisor's password shows.
    QPushButton *save = ResultsSave::button(Fra_Super, QRect(290, 228, 140, 34), [this] { return scoresReport(); });
    Controls::setFont(save, 10, true);
}

void Frm_I_Exam::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
    Frame_Match->show();
}

void Frm_I_Exam::com_student_Click()
{
    ileum::recordStudentConcentration(m_practical, Txt_Cal_Con->text());
    Frame_Match->hide();
    Frame_Password->open();
    // Above every other window from now on, and without a minimise button.
    m_keptInView = true;
    const QPoint place = pos();
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    move(place);
    SetTopMost(this, -1);
}

void Frm_I_Exam::changeEvent(QEvent *event)
{
    // Minimising by any other means is undone as well.
    if (event->type() == QEvent::WindowStateChange && m_keptInView && isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    FormWindow::changeEvent(event);
}

void Frm_I_Exam::showScores()
{
    Frame_Password->hide();
    Fra_Super->show();
    const ileum::SupervisorScores scores = ileum::supervisorScores(m_practical);
    Txt_cal->setText(scores.Txt_cal);
    if (scores.warning) {
        Lab_Warning->show();
        Timer_War->start();
        return;
    }
    Txt_Act->setText(scores.Txt_Act);
    Txt_err->setText(scores.Txt_err);
}

ResultsReport Frm_I_Exam::scoresReport() const
{
    ResultsReport::Part scores;
    scores.heading = Fra_Super->title().trimmed();
    const DisplayBox *boxes[] = {Txt_cal, Txt_Act, Txt_err};
    for (int i = 0; i < m_scoreLabels.size(); ++i)
        scores.figures.append({m_scoreLabels.at(i)->text().simplified(), boxes[i]->text().trimmed()});
    // The warning blinks on screen; it stands on the page all the time.
    if (Timer_War->isActive())
        scores.notes.append(Lab_Warning->text().simplified());
    ResultsReport report;
    report.title = QStringLiteral("Bioassay of Histamine on the Guinea-Pig Ileum");
    report.subtitle = QStringLiteral("Examination Results");
    report.fileStem = QStringLiteral("Ileum results");
    report.parts = {scores};
    return report;
}

void Frm_I_Exam::Timer_War_Timer()
{
    Lab_Warning->setVisible(Lab_Warning->isHidden());
}

void Frm_I_Exam::Cmd_ok_Click()
{
    // The front page's load closes the experiment window and this one.
    WindowRegistry::show(WindowNames::IleumFront);
    WindowRegistry::unload(objectName());
}
