// The controls of the oesophagus window and their places, in pixels of the
// 800 x 600 layout; the pictures inside the frog keep their places in twips.

#include "oesophagus/ui/frm_oesophagus.h"
#include "widgets/controls.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/picture_drag.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

// The travelling seed: a small yellow oval, 75 x 105 twips.
class SeedShape final : public QWidget
{
public:
    explicit SeedShape(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Shape_Seed"));
        resize(Twips::toPixels(75), Twips::toPixels(105));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(0x8a, 0x6a, 0x00));
        painter.setBrush(QColor(255, 255, 0));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

QLabel *plainLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    QLabel *label = Controls::label(parent, name, Controls::shownCaption(text), place);
    Controls::setFont(label, 9);
    return label;
}

QPushButton *commandButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
                           const QString &toolTip = QString())
{
    QPushButton *button = Controls::button(parent, name, caption, place, toolTip);
    Controls::setFont(button, 9, true);
    return button;
}

} // namespace

void Frm_Oesophagus::buildDirection()
{
    QGroupBox *frame
        = Controls::frame(this, QStringLiteral("Frame_Direction"), QStringLiteral("Direction"), QRect(8, 4, 780, 56));
    Lab_title = Controls::label(frame, QStringLiteral("Lab_title"),
                                QStringLiteral("Instill drugs one by one and observe their effect on the ciliary "
                                               "motility of frog oesophagus. Note the interaction between drugs."),
                                QRect(12, 20, 756, 32));
    Lab_title->setWordWrap(true);
    Lab_title->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    Controls::setFont(Lab_title, 9, true);
}

void Frm_Oesophagus::buildSetup()
{
    QGroupBox *frame
        = Controls::frame(this, QStringLiteral("Frame_Setup"), QStringLiteral("Set up"), QRect(8, 64, 420, 342));

    Pic_Oeso = new ImageControl(QStringLiteral("Pic_Oeso"), QStringLiteral("oesophagus_frog.svg"), frame);
    Pic_Oeso->setGeometry(QRect(QPoint(12, 26), Twips::rect(0, 0, 2775, 4575).size()));
    Pic_Oeso->setAccessibleName(QStringLiteral("Pinned frog with the oesophagus opened"));
    Img_Seeds = new ImageControl(QStringLiteral("Img_Seeds"), QStringLiteral("seed_pile.svg"), Pic_Oeso);
    Img_Seeds->setGeometry(Twips::rect(1440, 3720, 975, 735));
    Img_Seeds->setToolTipText(QStringLiteral("Click to pick a seed"));
    Img_Seeds->setCursor(Qt::OpenHandCursor);
    Img_Seed_Drop = new QWidget(Pic_Oeso);
    Img_Seed_Drop->setObjectName(QStringLiteral("Img_Seed_Drop"));
    Img_Seed_Drop->setGeometry(Twips::rect(1680, 840, 495, 375));
    Img_Seed_Drop->setAccessibleName(QStringLiteral("Upper end of the oesophagus"));
    Image_filler = new ImageControl(QStringLiteral("Image_filler"), QStringLiteral("dropper.svg"), Pic_Oeso);
    Image_filler->setGeometry(Twips::rect(1800, 720, 480, 480));
    Image_filler->setAccessibleName(QStringLiteral("Dropper"));
    Image_filler->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image_filler->hide();
    auto *target = new PictureDropTarget(Pic_Oeso, QStringLiteral("seed"));
    connect(target, &PictureDropTarget::dropped, this, &Frm_Oesophagus::Pic_Oeso_DragDrop);
    connect(Img_Seeds, &ImageControl::pressed, this, &Frm_Oesophagus::Img_Seeds_MouseDown);

    Pic_Zoomed = new ImageControl(QStringLiteral("Pic_Zoomed"), QStringLiteral("oesophagus_mucosa.svg"), frame);
    Pic_Zoomed->setGeometry(QRect(QPoint(214, 26), Twips::rect(0, 0, 2895, 3375).size()));
    Pic_Zoomed->setAccessibleName(QStringLiteral("Magnified view of the oesophagus mucosa"));
    Shape_Seed = new SeedShape(Pic_Zoomed);
    Shape_Seed->hide();

    Controls::label(frame, QStringLiteral("Lastdrug_lbl"), QStringLiteral("Last Drug :"), QRect(214, 264, 96, 22));
    lastdrugname_lbl
        = Controls::label(frame, QStringLiteral("lastdrugname_lbl"), QStringLiteral("None"), QRect(310, 264, 100, 22));
    Lab_drug
        = Controls::label(frame, QStringLiteral("Lab_drug"), QStringLiteral("Current Drug :"), QRect(214, 292, 96, 22));
    Lab_DrugGiven = Controls::label(frame, QStringLiteral("Lab_DrugGiven"), QString(), QRect(310, 292, 100, 22));
    for (QLabel *name : {lastdrugname_lbl, Lab_DrugGiven}) {
        Controls::setFont(name, 9, true);
        name->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    }
}

void Frm_Oesophagus::buildDrugPanel()
{
    Frame_Drug = Controls::frame(this, QStringLiteral("Frame_Drug"), QStringLiteral("Drug selection && history"),
                                 QRect(436, 64, 352, 250));
    Combo_Drug = new QComboBox(Frame_Drug);
    Combo_Drug->setObjectName(QStringLiteral("Combo_Drug"));
    Combo_Drug->setGeometry(12, 26, 180, 26);
    Combo_Drug->setAccessibleName(QStringLiteral("Drug"));
    Combo_Drug->installEventFilter(this);
    connect(Combo_Drug, &QComboBox::currentIndexChanged, this, &Frm_Oesophagus::Combo_Drug_Click);
    Cmd_Instill = commandButton(Frame_Drug, QStringLiteral("Cmd_Instill"), QStringLiteral("&Instill Drug"),
                                QRect(12, 60, 180, 32));
    connect(Cmd_Instill, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_Instill_Click);

    QLabel *heading = plainLabel(Frame_Drug, QStringLiteral("Lab_History"), QStringLiteral("Drug(s)  applied"),
                                 QRect(12, 100, 180, 18));
    Controls::setFont(heading, 9, true);
    drughistory = new QListWidget(Frame_Drug);
    drughistory->setObjectName(QStringLiteral("drughistory"));
    drughistory->setGeometry(12, 120, 180, 90);
    drughistory->setToolTip(QStringLiteral("Use scroll bar, if box is full"));
    drughistory->setSelectionMode(QAbstractItemView::NoSelection);
    drughistory->setFocusPolicy(Qt::NoFocus);
    nameByLabel(drughistory, heading);
    frogno = plainLabel(Frame_Drug, QStringLiteral("frogno"), QStringLiteral("Frog no. :"), QRect(12, 218, 180, 22));
    Controls::setFont(frogno, 9, true);

    auto *tube = new ImageControl(QStringLiteral("Img_Testtube"), QStringLiteral("test_tube.svg"), Frame_Drug);
    tube->setGeometry(256, 24, 30, 110);
    tube->setAccessibleName(QStringLiteral("Test tube"));
    Lab_Texttube = Controls::label(Frame_Drug, QStringLiteral("Lab_Texttube"), QString(), QRect(206, 138, 130, 22));
    Lab_Texttube->setAlignment(Qt::AlignCenter);
    Controls::setFont(Lab_Texttube, 9, true);
    Lab_Texttube->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    Frame_Drug->hide();
}

void Frm_Oesophagus::buildUnknownPanel()
{
    Frame_Drug_Select = Controls::frame(this, QStringLiteral("Frame_Drug_Select"),
                                        QStringLiteral(" Select The Unkown Drug "), QRect(436, 64, 352, 250));
    Lst_UnknownDrug = new QListWidget(Frame_Drug_Select);
    Lst_UnknownDrug->setObjectName(QStringLiteral("Lst_UnknownDrug"));
    Lst_UnknownDrug->setGeometry(12, 26, 180, 170);
    Lst_UnknownDrug->setAccessibleName(QStringLiteral("Select The Unkown Drug"));
    Cmd_DrgIdentified = commandButton(Frame_Drug_Select, QStringLiteral("Cmd_DrgIdentified"),
                                      QStringLiteral("&Identified"), QRect(12, 204, 180, 34));
    connect(Cmd_DrgIdentified, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_DrgIdentified_Click);

    QGroupBox *instill = Controls::frame(Frame_Drug_Select, QStringLiteral("Frame_Instill"),
                                         QStringLiteral(" Instill "), QRect(204, 26, 136, 124));
    Cmd_Ringer
        = commandButton(instill, QStringLiteral("Cmd_Ringer"), QStringLiteral("&Ringer"), QRect(12, 26, 112, 34));
    Cmd_Exam_Unknow = commandButton(instill, QStringLiteral("Cmd_Exam_Unknow"), QStringLiteral("&Unknown Drug"),
                                    QRect(12, 74, 112, 34));
    connect(Cmd_Ringer, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_Ringer_Click);
    connect(Cmd_Exam_Unknow, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_Exam_Unknow_Click);
    Frame_Drug_Select->hide();
}

void Frm_Oesophagus::buildClock()
{
    QGroupBox *frame
        = Controls::frame(this, QStringLiteral("Frame_Clock"), QStringLiteral("Clock"), QRect(436, 318, 352, 88));
    // Hours, minutes and seconds from left to right.
    const char *const names[] = {"Seconds", "Minutes", "Hours"};
    for (int i = 2; i >= 0; --i) {
        auto *box = new DisplayBox(QStringLiteral("txt_time_%1").arg(i), frame);
        box->setGeometry(12 + (2 - i) * 48, 34, 36, 30);
        box->setAlignment(Qt::AlignCenter);
        box->setText(QStringLiteral("00"));
        box->setFocusPolicy(Qt::NoFocus);
        box->setAccessibleName(QString::fromLatin1(names[i]));
        Controls::setFont(box, 11, true);
        txt_time[i] = box;
    }
    for (int i = 0; i < 2; ++i) {
        QLabel *colon = Controls::label(frame, QStringLiteral("txt_timeInd_%1").arg(i), QStringLiteral(":"),
                                        QRect(48 + i * 48, 34, 12, 30));
        colon->setAlignment(Qt::AlignCenter);
        Controls::setFont(colon, 11, true);
    }
    Cmd_StartClock = commandButton(frame, QStringLiteral("Cmd_StartClock"), QStringLiteral("&Start clock"),
                                   QRect(160, 32, 100, 34));
    QPushButton *reset
        = commandButton(frame, QStringLiteral("cmd_Reset"), QStringLiteral("&Reset"), QRect(266, 32, 74, 34));
    connect(Cmd_StartClock, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_StartClock_Click);
    connect(reset, &QPushButton::clicked, this, &Frm_Oesophagus::cmd_Reset_Click);
}

void Frm_Oesophagus::buildHelp()
{
    QGroupBox *frame
        = Controls::frame(this, QStringLiteral("Frame_Help"), QStringLiteral("Help"), QRect(8, 410, 420, 80));
    lbl_stephelp = Controls::label(frame, QStringLiteral("lbl_stephelp"), QStringLiteral("Pick a seed "),
                                   QRect(12, 22, 280, 48));
    lbl_stephelp->setWordWrap(true);
    lbl_stephelp->setStyleSheet(QStringLiteral("color: #b02020;"));
    Controls::setFont(lbl_stephelp, 11, true);
    QPushButton *help
        = commandButton(frame, QStringLiteral("Cmdhelp"), QStringLiteral("&Instruction"), QRect(300, 28, 108, 34));
    connect(help, &QPushButton::clicked, this, &Frm_Oesophagus::Cmdhelp_Click);
}

void Frm_Oesophagus::buildCommandBar()
{
    QGroupBox *bar = Controls::frame(this, QStringLiteral("Frame_Commands"), QString(), QRect(436, 410, 352, 80));
    Cmd_Table = commandButton(bar, QStringLiteral("Cmd_Table"), QStringLiteral("&Table"), QRect(10, 28, 76, 36),
                              QStringLiteral("Model table"));
    Cmd_New = commandButton(bar, QStringLiteral("Cmd_New"), QStringLiteral("&New"), QRect(92, 28, 76, 36),
                            QStringLiteral("Start a new expt"));
    Cmd_Next = commandButton(bar, QStringLiteral("Cmd_Next"), QStringLiteral("&Next"), QRect(174, 28, 76, 36),
                             QStringLiteral("Exit & Do next step"));
    QGroupBox *exit = Controls::frame(bar, QStringLiteral("Frame_Exit"), QStringLiteral("Exit"), QRect(258, 6, 86, 68));
    QPushButton *ret = commandButton(exit, QStringLiteral("Command2"), QStringLiteral("&Return"), QRect(8, 22, 70, 36),
                                     QStringLiteral("Return to menu page"));
    connect(Cmd_Table, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_Table_Click);
    connect(Cmd_New, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_New_Click);
    connect(Cmd_Next, &QPushButton::clicked, this, &Frm_Oesophagus::Cmd_Next_Click);
    connect(ret, &QPushButton::clicked, this, &Frm_Oesophagus::Command2_Click);
}
