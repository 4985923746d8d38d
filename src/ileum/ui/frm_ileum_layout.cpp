// The controls of the ileum window and where they stand (pixels of the
// 790 x 560 client area). Their captions and start texts are those a fresh
// window shows before its load runs.

#include "ileum/ui/frm_ileum.h"
#include "ileum/ui/ruler_picture.h"
#include "widgets/controls.h"
#include "widgets/design_area.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/recorder/recorder_config.h"
#include "widgets/window_names.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <functional>

namespace {

constexpr int ClientWidth = 790;
constexpr int ClientHeight = 560;

// The three panels of the matching assay share one place.
const QRect PanelPlace(278, 284, 360, 182);

const char *const StepHelpStyle
    = "QLabel { background: #fff6e0; color: #1f5f6b; border: 1px solid #c9b98a; padding: 4px; }";

// A box and its typing limit, named by its label for screen readers.
NumberBox *numberBox(QWidget *parent, const QString &name, const QRect &place, int typedLength, QLabel *label)
{
    auto *box = new NumberBox(name, parent);
    box->setGeometry(place);
    box->setTypedLength(typedLength);
    nameByLabel(box, label);
    return box;
}

QGroupBox *panel(QWidget *parent, const QString &name, const QString &caption)
{
    QGroupBox *frame = Controls::frame(parent, name, caption, PanelPlace);
    frame->hide();
    return frame;
}

} // namespace

Frm_Ileum::Frm_Ileum(ileum::IleumPractical &practical)
    : FormWindow(WindowNames::Ileum)
    , m_practical(practical)
    , m_assay(practical)
    , m_help(new HelpDialog(QStringLiteral("instructCDL"), QStringLiteral("ileum.hlp"), HelpEngine::ForceFile, this))
{
    setClientSize(ClientWidth, ClientHeight);
    // Nearly the whole 800 x 600 screen.
    DesignArea::place(this, QPoint(5, 5));

    // Raised background panels behind the controls; they do nothing.
    for (const auto &[name, place] :
         {std::pair{"Cmd_Continer", QRect(6, 2, 778, 278)}, std::pair{"cmd_switches", QRect(6, 278, 778, 262)}}) {
        QPushButton *background = Controls::button(this, QString::fromLatin1(name), QStringLiteral(" "), place);
        background->setEnabled(false);
        background->setFocusPolicy(Qt::NoFocus);
    }

    buildRecorderAndSetUp();
    buildDirection();
    buildDoseSelection();
    buildSideButtons();
    buildStandardDose();
    buildInjectPanel();
    buildCalculation();
    buildExitAndHelp();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, ClientHeight - 20, ClientWidth, 20);
}

void Frm_Ileum::buildRecorderAndSetUp()
{
    m_recorder = new ChartRecorder(RecorderConfig::ileum(), this);
    m_recorder->printButton()->setGeometry(646, 346, 136, 30);
    PaperWidget *paper = m_recorder->paper();
    paper->setAcceptDrops(true);
    connect(paper, &PaperWidget::dragMovedOver, this, &Frm_Ileum::PicMain_DragOver);
    Picture1 = new RulerPicture(paper);

    QGroupBox *setUp
        = Controls::frame(this, QStringLiteral("Fra_Setup"), QStringLiteral("Set up"), QRect(545, 8, 237, 265));
    Img_setup = new ImageControl(QStringLiteral("Img_setup"), QStringLiteral("ileum_apparatus.svg"), setUp);
    Img_setup->setGeometry(6, 20, 186, 240);
    Img_setup->setAccessibleName(QStringLiteral("Organ bath with the ileum strip and the lever"));
    Img_inject = new ImageControl(QStringLiteral("Img_inject"), QStringLiteral("ileum_syringe.svg"), setUp);
    Img_inject->setGeometry(194, 40, 38, 114);
    Img_inject->setAccessibleName(QStringLiteral("Syringe"));
    Img_inject->hide();
}

void Frm_Ileum::buildDirection()
{
    QGroupBox *title
        = Controls::frame(this, QStringLiteral("FraTitle"), QStringLiteral("Direction"), QRect(16, 284, 254, 106));
    QLabel *direction
        = Controls::label(title, QStringLiteral("LabTitle"),
                          QStringLiteral("You are given a histamine solution of unknown concentration. Find out the "
                                         "concentration of histamine using a guinea-pig ileum prepara- tion. Obtain a "
                                         "Dose-Response curve and carry out matching assay."),
                          QRect(10, 20, 236, 82));
    Controls::setFont(direction, 8);
}

void Frm_Ileum::buildDoseSelection()
{
    QGroupBox *dose
        = Controls::frame(this, QStringLiteral("Fra_Dose"), QStringLiteral("Dose selection"), QRect(16, 396, 254, 140));
    Img_tube = new ImageControl(QStringLiteral("Img_tube"), QStringLiteral("test_tube.svg"), dose);
    Img_tube->setGeometry(12, 24, 30, 110);
    Img_tube->setAccessibleName(QStringLiteral("Test tube of histamine solution"));
    Lab_drug
        = Controls::label(dose, QStringLiteral("Lab_drug"), QStringLiteral("Histamine-Known"), QRect(52, 24, 190, 20));
    Controls::setFont(Lab_drug, 9, true);
    Lab_dose = Controls::label(dose, QStringLiteral("Lab_dose"), QString(), QRect(52, 60, 76, 24));
    Txt_Dose = numberBox(dose, QStringLiteral("Txt_Dose"), QRect(128, 58, 56, 26), 4, Lab_dose);
    Txt_Dose->setText(QStringLiteral("0.1"));
    connect(Txt_Dose, &QLineEdit::textChanged, this, &Frm_Ileum::Txt_Dose_Change);
    setDoseUnit(QStringLiteral("Dose   \u00B5g"));

    Cmd_updose = Controls::button(dose, QStringLiteral("Cmd_updose"), QStringLiteral("+"), QRect(192, 44, 46, 28),
                                  QStringLiteral("Click to double the dose"));
    Cmd_downdose = Controls::button(dose, QStringLiteral("Cmd_downdose"), QStringLiteral("-"), QRect(192, 74, 46, 28),
                                    QStringLiteral("Click to halve the dose "));
    Cmd_inject
        = Controls::button(dose, QStringLiteral("Cmd_inject"), QStringLiteral("&Inject"), QRect(52, 106, 186, 30));
    connect(Cmd_updose, &QPushButton::clicked, this, &Frm_Ileum::Cmd_updose_Click);
    connect(Cmd_downdose, &QPushButton::clicked, this, &Frm_Ileum::Cmd_downdose_Click);
    connect(Cmd_inject, &QPushButton::clicked, this, &Frm_Ileum::Cmd_inject_Click);
}

void Frm_Ileum::buildSideButtons()
{
    const QRect topButton(646, 290, 136, 48);
    Cmd_MatchAssay
        = Controls::button(this, QStringLiteral("Cmd_MatchAssay"), QStringLiteral("  &Matching         Assay"),
                           topButton, QStringLiteral("Start a matching assay"));
    // Takes the Matching Assay button's place once the assay has started.
    Cmd_Calculate = Controls::button(this, QStringLiteral("Cmd_Calculate"), QStringLiteral("&Calculate"), topButton,
                                     QStringLiteral("Calculate the unknown histamine concentration"));
    Cmd_Calculate->hide();
    connect(Cmd_MatchAssay, &QPushButton::clicked, this, &Frm_Ileum::Cmd_MatchAssay_Click);
    connect(Cmd_Calculate, &QPushButton::clicked, this, &Frm_Ileum::Cmd_Calculate_Click);

    Lab_stephelp = Controls::label(this, QStringLiteral("Lab_stephelp"), QString(), QRect(646, 452, 136, 82));
    Lab_stephelp->setAlignment(Qt::AlignCenter);
    Lab_stephelp->setStyleSheet(QLatin1String(StepHelpStyle));
    Controls::setFont(Lab_stephelp, 9, true);
}

void Frm_Ileum::buildStandardDose()
{
    Frame_stddose
        = panel(this, QStringLiteral("Frame_stddose"), QStringLiteral("Enter the dose of the standard curve"));
    QLabel *dose
        = Controls::label(Frame_stddose, QStringLiteral("Label2"), QStringLiteral("Dose :"), QRect(60, 74, 56, 24));
    Txt_stddose = numberBox(Frame_stddose, QStringLiteral("Txt_stddose"), QRect(116, 72, 90, 26), 5, dose);
    QPushButton *ok
        = Controls::button(Frame_stddose, QStringLiteral("Cmd_stddose"), QStringLiteral("&OK"), QRect(220, 69, 80, 32));
    connect(ok, &QPushButton::clicked, this, &Frm_Ileum::Cmd_stddose_Click);
}

void Frm_Ileum::buildInjectPanel()
{
    Frame_Cmd_button = panel(this, QStringLiteral("Frame_Cmd_button"), QStringLiteral("Inject"));
    using ileum::StandardKind;
    struct Row
    {
        const char *button;
        const char *caption;
        const char *toolTip;
        const char *label;
        const char *labelText;
        QLabel **labelControl;
        std::function<void()> click;
    };
    const Row rows[] = {
        {"Cmd_Std", "&Standard", "Inject the Std dose", "Lab_stan", "mcg", &Lab_stan,
         [this] { injectStandard(StandardKind::Standard); }},
        {"Cmd_HalfStd", "    &Half  Standard", "Inject half the Std dose", "Lab_half", "mcg", &Lab_half,
         [this] { injectStandard(StandardKind::HalfStandard); }},
        {"Cmd_DoubleStd", " &Double Standard", "Inject double the Std dose", "Lab_doub", "mcg", &Lab_doub,
         [this] { injectStandard(StandardKind::DoubleStandard); }},
        // The dose box holds the volume of unknown: a plain injection.
        {"Cmd_unknown", "&Unknown", "Inject unknown (select the dose in ml first)", "lab_unk", "ml", &lab_unk,
         [this] { Cmd_inject_Click(); }},
    };
    int y = 26;
    for (const Row &row : rows) {
        QPushButton *button
            = Controls::button(Frame_Cmd_button, QString::fromLatin1(row.button), QString::fromLatin1(row.caption),
                               QRect(14, y, 176, 32), QString::fromLatin1(row.toolTip));
        connect(button, &QPushButton::clicked, this, row.click);
        *row.labelControl = Controls::label(Frame_Cmd_button, QString::fromLatin1(row.label),
                                            QString::fromLatin1(row.labelText), QRect(200, y, 146, 32));
        y += 38;
    }
    Cmd_Std = Frame_Cmd_button->findChild<QPushButton *>(QStringLiteral("Cmd_Std"));
}

void Frm_Ileum::buildCalculation()
{
    Frame_Cal = panel(this, QStringLiteral("Frame_Cal"), QStringLiteral("Calculation"));
    // Built after the inject panel and opaque, so it covers that panel, which
    // stays shown beneath it.
    Frame_Cal->setAutoFillBackground(true);
    Frame_Cal->setEnabled(false);
    Lab_cal = Controls::label(
        Frame_Cal, QStringLiteral("Lab_cal"),
        QStringLiteral("Enter the quantity of unknown used     to match the standard dose curve   : "),
        QRect(12, 24, 236, 48));
    Txt_cal = numberBox(Frame_Cal, QStringLiteral("Txt_cal"), QRect(256, 30, 92, 26), 5, Lab_cal);
    Txt_cal->setText(QStringLiteral(" "));
    Cmd_Cal
        = Controls::button(Frame_Cal, QStringLiteral("Cmd_Cal"), QStringLiteral("&Compute"), QRect(256, 64, 92, 30));
    connect(Cmd_Cal, &QPushButton::clicked, this, &Frm_Ileum::Cmd_Cal_Click);

    // The result line takes the place of the entry once Compute has run, left
    // to right: the caption, the sum, its value, the unit.
    Lab_Con = Controls::label(Frame_Cal, QStringLiteral("Lab_Con"),
                              QStringLiteral("Concentration of histamine in the unknown solution is : "),
                              QRect(12, 30, 130, 58));
    Label_cons = Controls::label(Frame_Cal, QStringLiteral("Label_cons"), QString(), QRect(144, 48, 86, 22));
    Label_cons->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txt_con = new DisplayBox(QStringLiteral("txt_con"), Frame_Cal);
    txt_con->setGeometry(232, 46, 64, 26);
    nameByLabel(txt_con, Lab_Con);
    LabMcg = Controls::label(Frame_Cal, QStringLiteral("LabMcg"), QStringLiteral("mcg/ml"), QRect(300, 48, 52, 22));
    for (QWidget *result : {static_cast<QWidget *>(Lab_Con), static_cast<QWidget *>(Label_cons),
                            static_cast<QWidget *>(txt_con), static_cast<QWidget *>(LabMcg)})
        result->hide();
}

void Frm_Ileum::buildExitAndHelp()
{
    QGroupBox *bar
        = Controls::frame(this, QStringLiteral("Fra_CmdBar"), QStringLiteral("Exit"), QRect(278, 472, 360, 64));
    Cmd_Next = Controls::button(bar, QStringLiteral("Cmd_Next"), QStringLiteral("Ne&Xt"), QRect(14, 24, 104, 30),
                                QStringLiteral("Exit & Do next step"));
    Cmd_New = Controls::button(bar, QStringLiteral("Cmd_New"), QStringLiteral("&New"), QRect(128, 24, 104, 30),
                               QStringLiteral("Start new experiment"));
    Cmd_return = Controls::button(bar, QStringLiteral("Cmd_return"), QStringLiteral("&Return"), QRect(242, 24, 104, 30),
                                  QStringLiteral("Return to main menu"));
    connect(Cmd_Next, &QPushButton::clicked, this, &Frm_Ileum::Cmd_Next_Click);
    connect(Cmd_New, &QPushButton::clicked, this, &Frm_Ileum::Cmd_New_Click);
    connect(Cmd_return, &QPushButton::clicked, this, &Frm_Ileum::Cmd_return_Click);

    QGroupBox *help = Controls::frame(this, QStringLiteral("Frame1"), QStringLiteral("Help"), QRect(646, 382, 136, 64));
    QPushButton *instruct = Controls::button(help, QStringLiteral("Cmd_Instruct"), QStringLiteral("&Instruction"),
                                             QRect(12, 22, 112, 32), QStringLiteral("Display help  "));
    connect(instruct, &QPushButton::clicked, this, &Frm_Ileum::Cmd_Instruct_Click);
}
