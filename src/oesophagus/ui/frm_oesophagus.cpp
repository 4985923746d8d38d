#include "oesophagus/ui/frm_oesophagus.h"

#include "core/asset_paths.h"
#include "core/database/drug_file_layout.h"
#include "core/database/oeso_drugs.h"
#include "widgets/controls.h"
#include "widgets/design_area.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"
#include "widgets/picture_drag.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int ClientWidth = 796;
constexpr int ClientHeight = 498;
constexpr int SecondMs = 1000;
constexpr int DropperShownMs = 2000;

const QString Seed = QStringLiteral("seed");

// The seed drawn as the drag icon when "Icon1.ico" is not beside the program.
QPixmap drawnSeed()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x00), 1.5));
    painter.setBrush(QColor(255, 220, 0));
    painter.drawEllipse(QRectF(10, 7, 12, 18));
    return icon;
}

} // namespace

Frm_Oesophagus::Frm_Oesophagus(Mod_Oeso::OesoPractical &practical)
    : FormWindow(WindowNames::Oesophagus)
    , m_experiment(practical)
    , Timer_Oeso(Controls::timer(this, QStringLiteral("Timer_Oeso"), SecondMs))
    , Timer_Clock(Controls::timer(this, QStringLiteral("Timer_Clock"), SecondMs))
    , Timer_Monitor_Clock(Controls::timer(this, QStringLiteral("Timer_Monitor_Clock"), SecondMs))
    , filler_timer(Controls::timer(this, QStringLiteral("filler_timer"), DropperShownMs))
    , cdlhelp(new HelpDialog(QStringLiteral("cdlhelp"), QStringLiteral("oesopha.hlp"), HelpEngine::ForceFile, this))
{
    setClientSize(ClientWidth, ClientHeight);
    DesignArea::place(this, QPoint(0, 0));
    buildDirection();
    buildSetup();
    buildDrugPanel();
    buildUnknownPanel();
    buildClock();
    buildHelp();
    buildCommandBar();

    connect(Timer_Oeso, &QTimer::timeout, this, &Frm_Oesophagus::Timer_Oeso_Timer);
    connect(Timer_Clock, &QTimer::timeout, this, &Frm_Oesophagus::Timer_Clock_Timer);
    connect(Timer_Monitor_Clock, &QTimer::timeout, this, &Frm_Oesophagus::Timer_Monitor_Clock_Timer);
    connect(filler_timer, &QTimer::timeout, this, &Frm_Oesophagus::filler_timer_Timer);
}

QPixmap Frm_Oesophagus::seedIcon()
{
    return PictureDrag::icon(QStringLiteral("Icon1.ico"), drawnSeed);
}

void Frm_Oesophagus::load()
{
    InitHelpFile(this);
    RemoveCloseMenu(this);
    Timer_Monitor_Clock->start();
    filler_timer->start();
    initialise();
}

void Frm_Oesophagus::initialise()
{
    QVector<OesoDrug> drugs;
    if (m_experiment.needsDrugs()) {
        const DrugReading<OesoDrug> reading = readOesoDrugs(AssetPaths::file(oesoDrugLayout().fileName));
        if (!reading.ok()) {
            cannotStart(reading.error.studentMessage());
            return;
        }
        if (const QString refusal = Mod_Oeso::OesoExperiment::refusal(reading.drugs); !refusal.isEmpty()) {
            cannotStart(refusal);
            return;
        }
        drugs = reading.drugs;
    }
    const bool canRun = m_experiment.initialise(drugs);
    if (!drugs.isEmpty()) {
        const QSignalBlocker quiet(Combo_Drug);
        Combo_Drug->clear();
        Combo_Drug->addItems(m_experiment.drugNames());
    }
    {
        const QSignalBlocker quiet(Combo_Drug);
        Combo_Drug->setCurrentIndex(m_experiment.selectedRow());
    }
    Lst_UnknownDrug->clear();
    if (m_experiment.examination())
        Lst_UnknownDrug->addItems(m_experiment.candidateNames());
    showView();
    if (!canRun)
        cannotStart(QStringLiteral("  Error in the System. Restart   "));
}

void Frm_Oesophagus::cannotStart(const QString &message)
{
    MessageBoxes::inform(this, message);
    // Opened from its front page, the page stays; otherwise it comes back.
    if (!WindowRegistry::find(WindowNames::OesoFront))
        WindowRegistry::show(WindowNames::OesoFront);
    WindowRegistry::unload(objectName());
}

void Frm_Oesophagus::unloaded()
{
    for (QTimer *timer : {Timer_Oeso, Timer_Clock, Timer_Monitor_Clock, filler_timer})
        timer->stop();
    QuitHelp();
}

void Frm_Oesophagus::syncTimer(QTimer *timer, bool running, int intervalMs)
{
    if (!running) {
        timer->stop();
        return;
    }
    if (intervalMs > 0 && timer->interval() != intervalMs)
        timer->setInterval(intervalMs);
    if (!timer->isActive())
        timer->start();
}

void Frm_Oesophagus::showView()
{
    const Mod_Oeso::OesoView &v = m_experiment.view();
    setWindowTitle(v.caption);
    lbl_stephelp->setText(Controls::shownCaption(v.lbl_stephelp));
    frogno->setText(v.frogno);
    lastdrugname_lbl->setText(v.lastdrugname_lbl);
    Lab_DrugGiven->setText(v.Lab_DrugGiven);
    Lab_Texttube->setText(v.Lab_Texttube);
    if (drughistory->count() != v.drughistory.size()) {
        drughistory->clear();
        drughistory->addItems(v.drughistory);
        drughistory->scrollToBottom();
    }
    Cmd_StartClock->setText(v.Cmd_StartClock);
    const Mod_Oeso::OesoStopwatch &watch = m_experiment.stopwatch();
    txt_time[2]->setText(watch.hoursText());
    txt_time[1]->setText(watch.minutesText());
    txt_time[0]->setText(watch.secondsText());

    Cmd_Instill->setEnabled(v.Cmd_Instill);
    Cmd_Ringer->setEnabled(v.Cmd_Ringer);
    Cmd_Exam_Unknow->setEnabled(v.Cmd_Exam_Unknow);
    Cmd_DrgIdentified->setEnabled(v.Cmd_DrgIdentified);
    Cmd_New->setEnabled(v.Cmd_New);
    Cmd_Table->setEnabled(v.Cmd_Table);
    Cmd_Next->setEnabled(v.Cmd_Next);

    Frame_Drug->setVisible(v.Frame_Drug);
    Frame_Drug_Select->setVisible(v.Frame_Drug_Select);
    Lab_drug->setVisible(v.Lab_drug);
    Lab_DrugGiven->setVisible(v.Lab_drug);
    Image_filler->setVisible(v.Image_filler);
    const Mod_Oeso::SeedPosition &seed = m_experiment.seed();
    Shape_Seed->move(Twips::toPixels(seed.Left), Twips::toPixels(seed.Top));
    Shape_Seed->setVisible(v.Shape_Seed);

    syncTimer(Timer_Oeso, v.Timer_Oeso, v.Timer_Oeso_Interval);
    syncTimer(Timer_Clock, v.Timer_Clock);
    syncTimer(Timer_Monitor_Clock, v.Timer_Monitor_Clock);
}

bool Frm_Oesophagus::eventFilter(QObject *watched, QEvent *event)
{
    // Nothing can be typed into the drug list.
    if (watched == Combo_Drug && event->type() == QEvent::KeyPress)
        return true;
    return FormWindow::eventFilter(watched, event);
}

void Frm_Oesophagus::Combo_Drug_Click(int row)
{
    // Any change of the list, by click, wheel or key, names the drug the
    // test tube holds, so Instill always gives the drug shown.
    m_experiment.selectDrug(row);
    showView();
}

void Frm_Oesophagus::Cmd_Instill_Click()
{
    m_experiment.selectDrug(Combo_Drug->currentIndex());
    m_experiment.Instill();
    // The dropper stays in sight for the timer's whole two seconds.
    filler_timer->start();
    showView();
}

void Frm_Oesophagus::filler_timer_Timer()
{
    m_experiment.fillerTick();
    Image_filler->hide();
}

void Frm_Oesophagus::Img_Seeds_MouseDown()
{
    m_experiment.pickSeed();
    showView();
    PictureDrag::start(Pic_Oeso, Seed, seedIcon());
}

void Frm_Oesophagus::Pic_Oeso_DragDrop(const QPoint &position)
{
    if (!Img_Seed_Drop->geometry().contains(position)) {
        m_experiment.dropElsewhere();
        showView();
        return;
    }
    const bool wasTravelling = m_experiment.travelling();
    m_experiment.dropOnOesophagus();
    // The reading counts whole seconds from this drop.
    if (!wasTravelling && m_experiment.examination())
        Timer_Monitor_Clock->start();
    showView();
}

void Frm_Oesophagus::Timer_Oeso_Timer()
{
    m_experiment.seedTick();
    showView();
}

void Frm_Oesophagus::Timer_Monitor_Clock_Timer()
{
    m_experiment.monitorTick();
}

void Frm_Oesophagus::Cmd_StartClock_Click()
{
    m_experiment.startStopClock();
    showView();
}

void Frm_Oesophagus::cmd_Reset_Click()
{
    m_experiment.resetClock();
    showView();
}

void Frm_Oesophagus::Timer_Clock_Timer()
{
    m_experiment.clockTick();
    showView();
}

void Frm_Oesophagus::Cmd_Ringer_Click()
{
    m_experiment.Ringer();
    showView();
}

void Frm_Oesophagus::Cmd_Exam_Unknow_Click()
{
    m_experiment.UnknownDrug();
    showView();
}

void Frm_Oesophagus::Cmd_DrgIdentified_Click()
{
    const QListWidgetItem *item = Lst_UnknownDrug->currentItem();
    const QString answer = item && item->isSelected() ? item->text() : QString();
    if (m_experiment.Identified(answer)) {
        Cmd_Next_Click();
        return;
    }
    Lst_UnknownDrug->clearSelection();
    showView();
}

void Frm_Oesophagus::Cmd_Next_Click()
{
    if (m_experiment.examination()) {
        WindowRegistry::show(WindowNames::OesoTable);
        WindowRegistry::unload(objectName());
        return;
    }
    WindowRegistry::show(WindowNames::OesoQuestion);
    hide();
}

void Frm_Oesophagus::Cmd_Table_Click()
{
    WindowRegistry::show(WindowNames::OesoTable);
}

void Frm_Oesophagus::Cmd_New_Click()
{
    initialise();
}

void Frm_Oesophagus::Command2_Click()
{
    // The front page comes first, so the practical always has a window.
    WindowRegistry::show(WindowNames::OesoFront);
    WindowRegistry::unload(objectName());
}

void Frm_Oesophagus::Cmdhelp_Click()
{
    cdlhelp->showHelp();
}
