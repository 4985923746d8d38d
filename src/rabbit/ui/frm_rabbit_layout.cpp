// The controls of the rabbit window and their places: twips where the eye
// frames' geometry carries the pupil and the tension rules, pixels of the
// 800 x 600 layout elsewhere.

#include "rabbit/ui/frm_rabbit.h"
#include "rabbit/ui/picture_box.h"
#include "rabbit/ui/pupil_shape.h"
#include "rabbit/ui/scale_ruler.h"
#include "rabbit/ui/tension_gauge.h"
#include "widgets/controls.h"
#include "widgets/image_control.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using Rab_eye::Eye;

namespace {

// One eye's frame: where its views and parts stand, in twips of the frame.
struct EyePlaces
{
    QString frameName;
    QString frameCaption;
    QRect frame;
    QString closeUpName, sideName, pupilName, rulerName, targetName, targetText, dropperName, barName, drugName;
    QRect closeUp, side, target;
    int rulerX;
    TensionGauge::Layout gauge;
    QString suffix;
};

const EyePlaces &placesOf(Eye eye)
{
    // The rabbit faces the student: its right eye is on the left.
    static const EyePlaces right{QStringLiteral("Frame_Pic_right"),
                                 QStringLiteral("Right Eye"),
                                 QRect(105, 180, 5445, 4980),
                                 QStringLiteral("Pic_Reye"),
                                 QStringLiteral("Pic_Rrab"),
                                 QStringLiteral("Shape_REye"),
                                 QStringLiteral("Picture_Scale_R"),
                                 QStringLiteral("Image_REye"),
                                 QStringLiteral("Right eye of the rabbit"),
                                 QStringLiteral("Image_Rd"),
                                 QStringLiteral("Shape_RTension"),
                                 QStringLiteral("Lab_rDrug"),
                                 QRect(2280, 360, 3015, 2895),
                                 QRect(120, 240, 2055, 3015),
                                 QRect(1320, 1800, 615, 495),
                                 2580,
                                 TensionGauge::Layout{2520, 4080, 4440, 4320, 3480, 3960, 4440, 4440, 2535, 4095, 210},
                                 QStringLiteral("_R")};
    static const EyePlaces left{QStringLiteral("Frame_PicLeft"),
                                QString(),
                                QRect(5640, 180, 5535, 4980),
                                QStringLiteral("Pic_LEye"),
                                QStringLiteral("Pic_LRab"),
                                QStringLiteral("Shape_LEye"),
                                QStringLiteral("Picture_ScaleL"),
                                QStringLiteral("Image_LEye"),
                                QStringLiteral("Left eye of the rabbit"),
                                QStringLiteral("Image_LD"),
                                QStringLiteral("Shape_LTension"),
                                QStringLiteral("Lab_LDrug"),
                                QRect(180, 360, 2950, 2895),
                                QRect(3240, 240, 2175, 3015),
                                QRect(240, 1680, 615, 615),
                                0,
                                TensionGauge::Layout{2400, 3960, 4320, 4200, 3360, 3840, 4320, 4320, 2430, 3990, 195},
                                QStringLiteral("_L")};
    return eye == Eye::Left ? left : right;
}

QRect twips(const QRect &r)
{
    return Twips::rect(r.left(), r.top(), r.width(), r.height());
}

QPushButton *commandButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
                           const QString &toolTip = QString())
{
    QPushButton *b = Controls::button(parent, name, caption, place, toolTip);
    Controls::setFont(b, 9, true);
    return b;
}

} // namespace

void Frm_Rabbit::buildTop()
{
    Frame_Title
        = Controls::frame(this, QStringLiteral("Frame_Title"), QStringLiteral("Direction"), QRect(24, 8, 329, 86));
    LAb_Title = Controls::label(Frame_Title, QStringLiteral("LAb_Title"), QString(), QRect(8, 20, 313, 62));
    LAb_Title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LAb_Title->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    Controls::setFont(LAb_Title, 9, true);

    Frame_help = Controls::frame(this, QStringLiteral("Frame_help"), QStringLiteral("Help"), QRect(360, 8, 233, 86));
    QPushButton *help
        = commandButton(Frame_help, QStringLiteral("cmd_help"), QStringLiteral("&Instruction"), QRect(8, 20, 110, 28));
    connect(help, &QPushButton::clicked, this, &Frm_Rabbit::cmd_help_Click);
    Lbl_step = Controls::label(Frame_help, QStringLiteral("Lbl_step"), QString(), QRect(8, 54, 217, 26));
    Lbl_step->setStyleSheet(QStringLiteral("color: #8b0000;"));
    Controls::setFont(Lbl_step, 9, true);

    Frame_Exam = Controls::frame(this, QStringLiteral("Frame_Exam"), QStringLiteral("Identify the unknown drug"),
                                 QRect(360, 8, 233, 86));
    Lst_Exam = new QListWidget(Frame_Exam);
    Lst_Exam->setObjectName(QStringLiteral("Lst_Exam"));
    Lst_Exam->setGeometry(8, 20, 130, 60);
    Lst_Exam->setAccessibleName(Frame_Exam->title());
    QPushButton *identified
        = commandButton(Frame_Exam, QStringLiteral("Cmd_Dr_Id"), QStringLiteral("&Identified"), QRect(144, 34, 82, 30));
    connect(identified, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Dr_Id_Click);
    Frame_Exam->hide();

    const QString nextRabbit = QStringLiteral("Click to get next rabbit");
    auto *rabbit = new ImageControl(QStringLiteral("Pic_Rabbit"), QStringLiteral("select_rabbit.svg"), this);
    rabbit->setGeometry(606, 6, 160, 72);
    rabbit->setToolTipText(nextRabbit);
    connect(rabbit, &ImageControl::clicked, this, &Frm_Rabbit::Cmd_New_Click);
    Pic_Rabbit = rabbit;
    Lab_Rab_No = Controls::label(this, QStringLiteral("Lab_Rab_No"), QString(), QRect(606, 78, 160, 18));
    Lab_Rab_No->setAlignment(Qt::AlignCenter);
    Lab_Rab_No->setToolTip(nextRabbit);
    Controls::setFont(Lab_Rab_No, 10, true);
    Lab_Rab_No->installEventFilter(this);
}

void Frm_Rabbit::buildEyes()
{
    Frame_PicCon = Controls::frame(this, QStringLiteral("Frame_PicCon"), QString(), QRect(24, 96, 745, 353));
    buildEye(Eye::Right);
    buildEye(Eye::Left);
}

void Frm_Rabbit::buildEye(Eye eye)
{
    const EyePlaces &p = placesOf(eye);
    EyeControls &c = m_eyes[int(eye)];
    c.frame = Controls::frame(Frame_PicCon, p.frameName, p.frameCaption, twips(p.frame));
    if (eye == Eye::Left) {
        QLabel *caption
            = Controls::label(c.frame, QStringLiteral("Lab_LeftEye"), QStringLiteral("Left Eye"), QRect(8, 2, 80, 18));
        Controls::setFont(caption, 9, true);
    }

    c.closeUp = new PictureBox(p.closeUpName, c.frame);
    c.closeUp->setGeometry(twips(p.closeUp));
    c.pupil = new PupilShape(p.pupilName, c.closeUp);
    c.ruler = new ScaleRuler(p.rulerName, c.closeUp);
    c.ruler->setGeometry(Twips::rect(p.rulerX, 60, 350, 2775));
    connect(c.ruler, &ScaleRuler::dragged, this, [this, eye](int x) { rulerDragged(eye, x); });

    c.side = new PictureBox(p.sideName, c.frame);
    c.side->setGeometry(twips(p.side));
    c.target = new QWidget(c.side);
    c.target->setObjectName(p.targetName);
    c.target->setAccessibleName(p.targetText);
    c.target->setGeometry(twips(p.target));
    c.dropper = new PictureBox(p.dropperName, c.side);
    c.dropper->setGeometry(c.target->x() + 8, c.target->y() - 34, 32, 32);
    c.dropper->setAccessibleName(QStringLiteral("Dropper"));
    c.dropper->hide();

    QLabel *acting = Controls::label(c.frame, QStringLiteral("Lab_Acting") + p.suffix, QStringLiteral("Drug Acting :"),
                                     QRect(10, 228, 90, 18));
    Controls::setFont(acting, 9, true);
    c.drugActing = Controls::label(c.frame, p.drugName, QStringLiteral("None"), QRect(100, 228, 250, 18));
    c.drugActing->setStyleSheet(QStringLiteral("color: #00008b;"));
    Controls::setFont(c.drugActing, 9, true);
    c.drugActing->setAccessibleName(acting->text());

    QLabel *tension = Controls::label(c.frame, QStringLiteral("Lab_Tension") + p.suffix,
                                      QStringLiteral("Intraocular Tension :"), QRect(10, p.gauge.top / 15, 145, 18));
    Controls::setFont(tension, 9, true);
    c.gauge = new TensionGauge(c.frame, p.barName, p.suffix, p.gauge);
    c.gauge->bar()->setAccessibleName(tension->text());

    c.instill = new QTimer(this);
    c.instill->setObjectName(eye == Eye::Left ? QStringLiteral("Timer_L_Instill") : QStringLiteral("Timer_R_Instill"));
    c.reopen = new QTimer(this);
    c.reopen->setObjectName(eye == Eye::Left ? QStringLiteral("Timer_LEye") : QStringLiteral("Timer_REye"));
    c.reopen->setSingleShot(true);
    connect(c.instill, &QTimer::timeout, this, [this, eye] { Timer_Instill_Timer(eye); });
    connect(c.reopen, &QTimer::timeout, this, [this, eye] { Timer_Eye_Timer(eye); });

    c.openCloseUp = eye == Eye::Left ? QStringLiteral("Leye1.bmp") : QStringLiteral("Reye1.bmp");
    c.openSide = eye == Eye::Left ? QStringLiteral("LRab1.bmp") : QStringLiteral("RRab1.bmp");
    c.blinkCloseUp = eye == Eye::Left ? QStringLiteral("leye2.bmp") : QStringLiteral("Reye2.bmp");
    c.blinkSide = eye == Eye::Left ? QStringLiteral("LRab2.bmp") : QStringLiteral("Rrab2.bmp");
}

void Frm_Rabbit::buildDrugFrame()
{
    Frame_Drug = Controls::frame(this, QStringLiteral("Frame_Drug"), QStringLiteral("Drug"), QRect(24, 456, 320, 97));
    Combo_Drug = new QComboBox(Frame_Drug);
    Combo_Drug->setObjectName(QStringLiteral("Combo_Drug"));
    Combo_Drug->setGeometry(8, 22, 150, 26);
    Combo_Drug->setToolTip(QStringLiteral("Click the button & Choose a drug"));
    Combo_Drug->setAccessibleName(QStringLiteral("Drug"));
    Combo_Drug->installEventFilter(this);
    connect(Combo_Drug, &QComboBox::currentIndexChanged, this, &Frm_Rabbit::Combo_Drug_Change);
    lab_Exam = Controls::label(Frame_Drug, QStringLiteral("lab_Exam"),
                               QStringLiteral("  Instill Saline / Unknown Drug"), QRect(8, 22, 150, 26));
    Controls::setFont(lab_Exam, 8, true);
    lab_Exam->hide();
    Lab_DName
        = Controls::label(Frame_Drug, QStringLiteral("Lab_DName"), QStringLiteral("Drugs"), QRect(8, 54, 150, 36));
    Lab_DName->setStyleSheet(QStringLiteral("color: #00008b;"));
    Controls::setFont(Lab_DName, 9, true);

    Cmd_Instill = commandButton(Frame_Drug, QStringLiteral("Cmd_Instill"), QStringLiteral("   Instill           &Drug"),
                                QRect(164, 18, 148, 34));
    Cmd_Instill->installEventFilter(this);
    connect(Cmd_Instill, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Instill_Click);
    Cmd_Saline = commandButton(Frame_Drug, QStringLiteral("Cmd_Saline"), QStringLiteral("Instill &Saline"),
                               QRect(164, 58, 148, 32));
    connect(Cmd_Saline, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Saline_Click);
    Cmd_Saline->hide();
}

void Frm_Rabbit::buildEyeChoice()
{
    Frame_Eye_Sel = Controls::frame(this, QStringLiteral("Frame_Eye_Sel"),
                                    QStringLiteral("In which eye you want to instill?"), QRect(40, 456, 300, 97));
    QPushButton *left
        = commandButton(Frame_Eye_Sel, QStringLiteral("Cmd_LEye"), QStringLiteral("Left Eye"), QRect(10, 36, 84, 32));
    QLabel *orLabel
        = Controls::label(Frame_Eye_Sel, QStringLiteral("Lab_or"), QStringLiteral("or"), QRect(98, 44, 20, 18));
    Controls::setFont(orLabel, 9, true);
    QPushButton *right
        = commandButton(Frame_Eye_Sel, QStringLiteral("Cmd_Reye"), QStringLiteral("Right Eye"), QRect(120, 36, 84, 32));
    QPushButton *cancel
        = commandButton(Frame_Eye_Sel, QStringLiteral("Cmd_Can"), QStringLiteral("Cancel"), QRect(212, 36, 78, 32));
    connect(left, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_LEye_Click);
    connect(right, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Reye_Click);
    connect(cancel, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Can_Click);
    Frame_Eye_Sel->hide();
}

void Frm_Rabbit::buildTools()
{
    Frame_Tool = Controls::frame(this, QStringLiteral("Frame_Tool"), QStringLiteral("Tools"), QRect(352, 456, 153, 97));
    Image_Torche = new PictureBox(QStringLiteral("Image_Torche"), Frame_Tool);
    Image_Torche->setGeometry(24, 26, 32, 32);
    Image_Torche->setToolTip(QStringLiteral("Click & Carry to test pupillary reflex"));
    Image_Torche->setAccessibleName(Image_Torche->toolTip());
    QLabel *torch
        = Controls::label(Frame_Tool, QStringLiteral("Lab_Torch"), QStringLiteral("Torch"), QRect(10, 64, 60, 18));
    torch->setAlignment(Qt::AlignCenter);
    Image_Cotton = new PictureBox(QStringLiteral("Image_Cotton"), Frame_Tool);
    Image_Cotton->setGeometry(98, 26, 32, 32);
    Image_Cotton->setToolTip(QStringLiteral("Click & Carry to test corneal reflex "));
    Image_Cotton->setAccessibleName(Image_Cotton->toolTip());
    QLabel *cotton = Controls::label(Frame_Tool, QStringLiteral("Lab_Cotton"), QStringLiteral("CottonWool"),
                                     QRect(74, 64, 76, 18));
    cotton->setAlignment(Qt::AlignCenter);
    for (QLabel *l : {torch, cotton})
        Controls::setFont(l, 9, true);
    connect(Image_Torche, &PictureBox::clicked, this, &Frm_Rabbit::Image_Torche_Click);
    connect(Image_Cotton, &PictureBox::clicked, this, &Frm_Rabbit::Image_Cotton_Click);
}

void Frm_Rabbit::buildExit()
{
    Frame_Com = Controls::frame(this, QStringLiteral("Frame_Com"), QStringLiteral("Exit"), QRect(512, 456, 257, 97));
    cmdreturn = commandButton(Frame_Com, QStringLiteral("cmdreturn"), QStringLiteral("&Return"), QRect(10, 20, 114, 32),
                              QStringLiteral("Return to main menu"));
    Cmd_Table = commandButton(Frame_Com, QStringLiteral("Cmd_Table"), QStringLiteral("&Table"), QRect(133, 20, 114, 32),
                              QStringLiteral("Show me a Model Table"));
    Cmd_New = commandButton(Frame_Com, QStringLiteral("Cmd_New"), QStringLiteral("&New"), QRect(10, 58, 114, 32),
                            QStringLiteral("Provide me a New (fresh) rabbit"));
    Cmd_Next = commandButton(Frame_Com, QStringLiteral("Cmd_Next"), QStringLiteral("&Next"), QRect(133, 58, 114, 32),
                             QStringLiteral("Leave this page for next step"));
    connect(cmdreturn, &QPushButton::clicked, this, &Frm_Rabbit::cmdreturn_Click);
    connect(Cmd_Table, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Table_Click);
    connect(Cmd_New, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_New_Click);
    connect(Cmd_Next, &QPushButton::clicked, this, &Frm_Rabbit::Cmd_Next_Click);
}
