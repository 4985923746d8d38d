// The controls of the heart window and their places, in pixels of the
// 800 x 600 layout.

#include "core/asset_paths.h"
#include "heart/model/heart_state.h"
#include "heart/ui/apparatus_picture.h"
#include "heart/ui/frm_heart.h"
#include "heart/ui/indicator_box.h"
#include "widgets/controls.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/scheme_colours.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

// The command bar stands beside the help frame in the Tutorial; the
// examinations, which hide the help, move it to x 2250 twips.
constexpr int CommandBarTop = 486;
constexpr int TutorialCommandBarLeft = 272;
constexpr int ExamCommandBarLeft = 2250 / Twips::PerPixel;
constexpr QSize CommandBarSize(500, 76);

// A box labelled by the text above it.
DisplayBox *labelledBox(QWidget *parent, const QString &name, const QString &labelName, const QString &labelText,
                        const QRect &labelPlace, const QRect &boxPlace)
{
    QLabel *label = Controls::label(parent, labelName, labelText, labelPlace);
    auto *box = new DisplayBox(name, parent);
    box->setGeometry(boxPlace);
    nameByLabel(box, label);
    return box;
}

} // namespace

void Frm_Heart::buildDirection()
{
    FraTitle = Controls::frame(this, QStringLiteral("FraTitle"), QStringLiteral("Direction"), QRect(4, 2, 362, 84));
    LabTitle = Controls::label(FraTitle, QStringLiteral("LabTitle"), QString(), QRect(8, 18, 346, 62));
    LabTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabTitle->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    Controls::setFont(LabTitle, 9, true);
}

void Frm_Heart::buildRecording()
{
    FraPicContiner = Controls::frame(this, QStringLiteral("FraPicContiner"), QStringLiteral("Recording Controls"),
                                     QRect(4, 88, 362, 294));
    m_recorder = new ChartRecorder(RecorderConfig::heart(), FraPicContiner);
    connect(m_recorder, &ChartRecorder::stopped, this, &Frm_Heart::recorderStopped);
    connect(m_recorder, &ChartRecorder::continued, this, &Frm_Heart::recorderContinued);

    QPushButton *stop = m_recorder->stopButton();
    stop->setGeometry(10, 20, 33, 26);
    stop->setIcon(QIcon(AssetPaths::picture(QStringLiteral("stop_recorder.svg"))));
    stop->setIconSize(QSize(20, 20));
    stop->setAccessibleName(stop->toolTip());
    m_recorder->continueButton()->setGeometry(47, 20, 78, 26);
    m_recorder->printButton()->setGeometry(129, 20, 70, 26);

    Cmd_RmvDrug
        = Controls::button(FraPicContiner, QStringLiteral("Cmd_RmvDrug"), QStringLiteral("    Stop          Drug"),
                           QRect(203, 20, 150, 26), QStringLiteral("Stop giving the drug"));
    connect(Cmd_RmvDrug, &QPushButton::clicked, this, &Frm_Heart::Cmd_RmvDrug_Click);

    // What the recording control under the pointer does.
    for (QPushButton *button : {stop, m_recorder->continueButton(), m_recorder->printButton(), Cmd_RmvDrug})
        button->setStatusTip(button->toolTip());
    StatusBar1 = new QStatusBar(FraPicContiner);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(8, 50, 346, 24);
    StatusBar1->setSizeGripEnabled(false);
}

void Frm_Heart::buildDrugLevel()
{
    Frame1
        = Controls::frame(this, QStringLiteral("Frame1"), QStringLiteral("Current Drug Level"), QRect(4, 386, 362, 96));
    ProBar_Time = new QProgressBar(Frame1);
    ProBar_Time->setObjectName(QStringLiteral("ProBar_Time"));
    ProBar_Time->setGeometry(10, 20, 342, 16);
    // The level falls in steps of 1.25: hundredths keep every step.
    ProBar_Time->setRange(0, 100 * 100);
    ProBar_Time->setValue(0);
    ProBar_Time->setTextVisible(false);
    ProBar_Time->setToolTip(QStringLiteral("Remaining drug injected just before the current one"));
    ProBar_Time->setAccessibleName(QStringLiteral("Current Drug Level"));

    QLabel *previous = Controls::label(Frame1, QStringLiteral("Label_lastdrug"),
                                       QStringLiteral("Previous drug injected :"), QRect(10, 42, 150, 20));
    lbl_lastdrug
        = Controls::label(Frame1, QStringLiteral("lbl_lastdrug"), QStringLiteral("None"), QRect(162, 42, 190, 20));
    lbl_lastdrug->setAccessibleDescription(previous->text());
    Lab_drugname
        = Controls::label(Frame1, QStringLiteral("Lab_drugname"), QStringLiteral("None"), QRect(10, 64, 342, 26));
    Controls::setFont(Lab_drugname, 11, true);
    Lab_drugname->setStyleSheet(QStringLiteral("color: #b23f30;"));
}

void Frm_Heart::buildSetup()
{
    Setup = Controls::frame(this, QStringLiteral("Setup"), QString(), QRect(370, 2, 247, 408));
    Picture1 = new ApparatusPicture(Setup);
    Picture1->move(7, 14);
}

void Frm_Heart::buildIndicators()
{
    Fra_Status
        = Controls::frame(this, QStringLiteral("Fra_Status"), QStringLiteral("Indicators"), QRect(621, 2, 171, 408));

    // Heart-rate box on the left with a hand pointing at it from the right;
    // tone box on the right with a hand pointing from the left.
    QLabel *rateLabel = Controls::label(Fra_Status, QStringLiteral("Label_HR"), QStringLiteral("Heart Rate "),
                                        QRect(12, 24, 110, 18));
    Pic_HR_Graph = new IndicatorBox(QStringLiteral("Pic_HR_Graph"), SchemeColours::buttonText(), Fra_Status);
    Pic_HR_Graph->move(12, 44);
    nameByLabel(Pic_HR_Graph, rateLabel);
    auto *handLeft = new ImageControl(QStringLiteral("Image_hand1"), QStringLiteral("hand_point_left.svg"), Fra_Status);
    handLeft->setGeometry(94, 46, 44, 30);
    handLeft->setAttribute(Qt::WA_TransparentForMouseEvents);

    QLabel *toneLabel
        = Controls::label(Fra_Status, QStringLiteral("Label_Tone"), QStringLiteral("Tone "), QRect(86, 96, 80, 18));
    PicToneGraph = new IndicatorBox(QStringLiteral("PicToneGraph"), Qt::black, Fra_Status);
    PicToneGraph->move(86, 116);
    nameByLabel(PicToneGraph, toneLabel);
    auto *handRight
        = new ImageControl(QStringLiteral("Image_hand2"), QStringLiteral("hand_point_right.svg"), Fra_Status);
    handRight->setGeometry(36, 118, 44, 30);
    handRight->setAttribute(Qt::WA_TransparentForMouseEvents);

    QGroupBox *rates = Controls::frame(Fra_Status, QStringLiteral("Fra_HeartRate"), QStringLiteral("Heart Rate"),
                                       QRect(8, 176, 155, 168));
    Txt_BHR = labelledBox(rates, QStringLiteral("Txt_BHR"), QStringLiteral("Label_BHR"), QStringLiteral("Basal  "),
                          QRect(10, 24, 140, 18), QRect(10, 44, 70, 26));
    TxtHR_Drug = labelledBox(rates, QStringLiteral("TxtHR_Drug"), QStringLiteral("Label_HRDrug"),
                             QStringLiteral("During Peak Drug Action"), QRect(10, 82, 140, 36), QRect(10, 122, 70, 26));
    for (DisplayBox *box : {Txt_BHR, TxtHR_Drug})
        Controls::setFont(box, 11, true);
}

void Frm_Heart::buildDrugSelection()
{
    FraDrug
        = Controls::frame(this, QStringLiteral("FraDrug"), QStringLiteral("Drug Selection"), QRect(370, 414, 422, 68));
    Lab_drug = Controls::label(FraDrug, QStringLiteral("Lab_drug"), QStringLiteral("Drug :"), QRect(10, 30, 42, 20));
    Combo_Drug = new QComboBox(FraDrug);
    Combo_Drug->setObjectName(QStringLiteral("Combo_Drug"));
    Combo_Drug->setGeometry(52, 26, 160, 28);
    nameByLabel(Combo_Drug, Lab_drug);
    connect(Combo_Drug, qOverload<int>(&QComboBox::activated), this, &Frm_Heart::Combo_Drug_Click);
    lbl_unkdrug = Controls::label(FraDrug, QStringLiteral("lbl_unkdrug"), QStringLiteral("Unknown Drug No. 1"),
                                  QRect(10, 30, 202, 20));
    Controls::setFont(lbl_unkdrug, 9, true);
    lbl_unkdrug->hide();

    QLabel *doseLabel
        = Controls::label(FraDrug, QStringLiteral("Label_Dose"), QStringLiteral("Dose :"), QRect(220, 30, 40, 20));
    Txt_Dose = new DisplayBox(QStringLiteral("Txt_Dose"), FraDrug);
    Txt_Dose->setGeometry(260, 26, 64, 28);
    nameByLabel(Txt_Dose, doseLabel);
    Lab_DDose = Controls::label(FraDrug, QStringLiteral("Lab_DDose"), QString(), QRect(328, 30, 24, 20));
    Cmd_inject
        = Controls::button(FraDrug, QStringLiteral("Cmd_inject"), QStringLiteral("&Inject"), QRect(352, 24, 62, 32));
    Controls::setFont(Cmd_inject, 9, true);
    connect(Cmd_inject, &QPushButton::clicked, this, &Frm_Heart::Cmd_inject_Click);
}

void Frm_Heart::buildHelp()
{
    Help_frame
        = Controls::frame(this, QStringLiteral("Help_frame"), QStringLiteral("Help"), QRect(4, CommandBarTop, 264, 76));
    QPushButton *help = Controls::button(Help_frame, QStringLiteral("cmd_help"), QStringLiteral("&Instructions"),
                                         QRect(8, 26, 96, 32), QStringLiteral("Display Help"));
    connect(help, &QPushButton::clicked, this, &Frm_Heart::cmd_help_Click);
    lbl_warning = Controls::label(Help_frame, QStringLiteral("lbl_warning"), QString(), QRect(112, 18, 146, 54));
    lbl_warning->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbl_warning->setStyleSheet(QStringLiteral("color: #b23f30;"));
    Controls::setFont(lbl_warning, 9, true);
}

void Frm_Heart::buildCommandBar()
{
    Fra_CmdBar = Controls::frame(this, QStringLiteral("Fra_CmdBar"), QStringLiteral("Exit"),
                                 QRect(QPoint(TutorialCommandBarLeft, CommandBarTop), CommandBarSize));
    struct Command
    {
        const char *name;
        const char *caption;
        const char *tip;
        void (Frm_Heart::*handler)();
    };
    const Command commands[] = {
        {"CmdTable", "&Table", "Model table", &Frm_Heart::CmdTable_Click},
        {"Cmd_Next", "Ne&Xt", "Next step", &Frm_Heart::Cmd_Next_Click},
        {"Cmd_New", "&New", "Start a new expt", &Frm_Heart::Cmd_New_Click},
        {"Cmd_return", "&Return", "Return to main menu", &Frm_Heart::Cmd_return_Click},
    };
    int x = 14;
    for (const Command &c : commands) {
        QPushButton *b = Controls::button(Fra_CmdBar, QString::fromLatin1(c.name), QString::fromLatin1(c.caption),
                                          QRect(x, 24, 110, 40), QString::fromLatin1(c.tip));
        Controls::setFont(b, 10, true);
        connect(b, &QPushButton::clicked, this, c.handler);
        x += 120;
    }
}

void Frm_Heart::buildReturnPassword()
{
    PasswordGatewaySetup g;
    g.frameName = QStringLiteral("frm_retpass");
    g.frameCaption = QStringLiteral("Enter Password to Return");
    g.frameGeometry = QRect(320, CommandBarTop, 340, 76);
    g.labelName = QStringLiteral("Label_pwret");
    g.labelText = QStringLiteral("Password:");
    g.labelGeometry = QRect(12, 34, 66, 20);
    g.entryName = QStringLiteral("Txt_pwret");
    g.mask = QLatin1Char('x');
    g.entryGeometry = QRect(80, 30, 112, 28);
    g.okName = QStringLiteral("cmd_pwretok");
    g.okCaption = QStringLiteral("&OK");
    g.okGeometry = QRect(200, 28, 62, 32);
    g.cancelName = QStringLiteral("cmd_pwretcan");
    g.cancelCaption = QStringLiteral("&Cancel");
    g.cancelGeometry = QRect(268, 28, 64, 32);
    // The examination's own password; a blank entry is refused as it is.
    g.storedPassword = [this] { return m_practical.Heart_Password; };
    g.blankRefusedAndKept = true;
    g.refusalText = QStringLiteral("Invalid Password ");
    frm_retpass = new PasswordGateway(g, this);
    connect(frm_retpass, &PasswordGateway::accepted, this, &Frm_Heart::leaveForFrontPage);
    connect(frm_retpass, &PasswordGateway::cancelled, Fra_CmdBar, &QWidget::show);
}

void Frm_Heart::layOutForMode()
{
    const bool examination = m_practical.Heart_Mode != Heart::Mode::Tutorial;
    lbl_warning->setVisible(!examination);
    Help_frame->setVisible(!examination);
    Fra_CmdBar->move(examination ? ExamCommandBarLeft : TutorialCommandBarLeft, CommandBarTop);
    if (m_practical.Heart_Mode == Heart::Mode::Exam1)
        lbl_unkdrug->show();
}
