#include "rabbit/ui/frm_rabbit.h"

#include "core/asset_paths.h"
#include "core/database/drug_file_layout.h"
#include "core/database/rab_drugs.h"
#include "rabbit/ui/picture_box.h"
#include "rabbit/ui/pupil_shape.h"
#include "rabbit/ui/scale_ruler.h"
#include "rabbit/ui/tension_gauge.h"
#include "widgets/design_area.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/message_boxes.h"
#include "widgets/tool_carrier.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using Rab_eye::Eye;
using Rab_eye::EyePicture;
using Rab_eye::RabbitExperiment;

namespace {

constexpr int ClientWidth = 773;
constexpr int ClientHeight = 562;
constexpr std::array<Eye, 2> BothEyes{Eye::Left, Eye::Right};

} // namespace

Frm_Rabbit::Frm_Rabbit(Rab_eye::RabPractical &practical)
    : FormWindow(WindowNames::Rabbit)
    , m_practical(practical)
    , m_experiment(practical)
    , instructcdl(
          new HelpDialog(QStringLiteral("instructcdl"), QStringLiteral("rabbit.hlp"), HelpEngine::ForceFile, this))
{
    setClientSize(ClientWidth, ClientHeight);
    DesignArea::place(this, QPoint(0, 0));
    buildTop();
    buildEyes();
    buildDrugFrame();
    buildEyeChoice();
    buildTools();
    buildExit();

    m_carrier = new ToolCarrier(this);
    // The right side view encloses the right eye's target.
    m_carrier->addTarget(m_eyes[int(Eye::Right)].side);
    m_carrier->addTarget(m_eyes[int(Eye::Right)].target);
    m_carrier->addTarget(m_eyes[int(Eye::Left)].target);
    connect(m_carrier, &ToolCarrier::entered, this, &Frm_Rabbit::toolEntered);
    connect(m_carrier, &ToolCarrier::left, this, &Frm_Rabbit::toolLeft);
    connect(m_carrier, &ToolCarrier::putDownDone, this, &Frm_Rabbit::toolPutDown);
}

void Frm_Rabbit::load()
{
    RemoveCloseMenu(this);
    QVector<RabDrug> rows;
    if (m_experiment.needsDrugs()) {
        const DrugReading<RabDrug> reading = readRabDrugs(AssetPaths::file(rabDrugLayout().fileName));
        if (!reading.ok()) {
            cannotStart(reading.error.studentMessage());
            return;
        }
        rows = reading.drugs;
    }
    const QString refusal = m_experiment.startUp(rows);
    if (!refusal.isEmpty()) {
        cannotStart(refusal);
        return;
    }
    m_pictures.load();
    Image_Torche->setPicture(m_pictures.picture(QStringLiteral("torche.ico")));
    Image_Cotton->setPicture(m_pictures.picture(QStringLiteral("cotton.ico")));
    for (Eye eye : BothEyes)
        m_eyes[int(eye)].dropper->setPicture(m_pictures.picture(QStringLiteral("filler.ico")));
    refresh();
    const QString missing = m_pictures.missingMessage();
    if (!missing.isEmpty())
        MessageBoxes::inform(this, missing, QString(), MessageBoxes::Icon::Exclamation);
}

void Frm_Rabbit::cannotStart(const QString &message)
{
    MessageBoxes::inform(this, message, QString(), MessageBoxes::Icon::Critical);
    if (!WindowRegistry::find(WindowNames::RabbitFront))
        WindowRegistry::show(WindowNames::RabbitFront);
    WindowRegistry::unload(objectName());
}

void Frm_Rabbit::unloaded()
{
    m_carrier->putDown();
    for (const EyeControls &c : m_eyes) {
        c.instill->stop();
        c.reopen->stop();
    }
}

void Frm_Rabbit::refresh()
{
    showView(m_experiment.view());
    for (Eye eye : BothEyes) {
        showEye(eye);
        keepTimers(eye);
    }
}

void Frm_Rabbit::showView(const Rab_eye::RabbitView &v)
{
    setWindowTitle(v.caption);
    LAb_Title->setText(v.LAb_Title);
    Lbl_step->setText(v.Lbl_step);
    Lab_DName->setText(v.Lab_DName);
    Lab_Rab_No->setText(v.Lab_Rab_No);
    Frame_help->setVisible(!v.examination);
    Frame_Exam->setVisible(v.examination);
    Combo_Drug->setVisible(!v.examination);
    lab_Exam->setVisible(v.examination);
    Cmd_Saline->setVisible(v.examination);
    Frame_Eye_Sel->setVisible(v.eyeChoiceOpen);
    Frame_Drug->setVisible(!v.eyeChoiceOpen);
    Cmd_New->setEnabled(v.newEnabled);
    Cmd_Table->setEnabled(v.tableEnabled);
    cmdreturn->setEnabled(v.returnEnabled);

    QStringList listed;
    for (int i = 0; i < Combo_Drug->count(); ++i)
        listed << Combo_Drug->itemText(i);
    if (listed != v.drugList) {
        const QSignalBlocker quiet(Combo_Drug);
        Combo_Drug->clear();
        Combo_Drug->addItems(v.drugList);
        Combo_Drug->setCurrentIndex(0);
    }
    QStringList answers;
    for (int i = 0; i < Lst_Exam->count(); ++i)
        answers << Lst_Exam->item(i)->text();
    if (answers != v.answerList) {
        Lst_Exam->clear();
        Lst_Exam->addItems(v.answerList);
    }
}

void Frm_Rabbit::showEye(Eye eye)
{
    const EyeControls &c = m_eyes[int(eye)];
    const Rab_eye::EyeState &s = m_experiment.eye(eye);
    QString closeUp, side;
    if (s.picture == EyePicture::Open) {
        closeUp = c.openCloseUp;
        side = c.openSide;
    } else if (s.picture == EyePicture::Blink) {
        closeUp = c.blinkCloseUp;
        side = c.blinkSide;
    }
    c.closeUp->setPicture(m_pictures.picture(closeUp));
    c.closeUp->setPictureName(closeUp);
    c.side->setPicture(m_pictures.picture(side));
    c.side->setPictureName(side);

    const Rab_eye::PupilBox pupil = m_experiment.shownPupil(eye);
    c.pupil->setBox(QRectF(pupil.left, pupil.top, pupil.width, pupil.height));
    c.pupil->setVisible(m_experiment.pupilVisible(eye));
    c.ruler->move(qRound(double(s.ruler) / Twips::PerPixel), c.ruler->y());
    c.ruler->raise();
    c.gauge->setBar(s.tension);
    c.dropper->setVisible(s.dropper);
    c.drugActing->setText(s.drugActing);
}

void Frm_Rabbit::keepTimers(Eye eye)
{
    const EyeControls &c = m_eyes[int(eye)];
    const Rab_eye::EyeState &s = m_experiment.eye(eye);
    // Setting an interval restarts a running timer: only a new stage does so.
    if (s.instillMs == 0) {
        c.instill->stop();
    } else {
        if (c.instill->interval() != s.instillMs)
            c.instill->setInterval(s.instillMs);
        if (!c.instill->isActive())
            c.instill->start();
    }
    if (!s.reopenDue) {
        c.reopen->stop();
    } else {
        if (c.reopen->interval() != m_experiment.eyeTimerMs())
            c.reopen->setInterval(m_experiment.eyeTimerMs());
        if (!c.reopen->isActive())
            c.reopen->start();
    }
}

void Frm_Rabbit::Cmd_Instill_Click()
{
    m_experiment.Cmd_Instill();
    refresh();
}

void Frm_Rabbit::Cmd_Saline_Click()
{
    m_experiment.Cmd_Saline();
    refresh();
}

void Frm_Rabbit::Cmd_Can_Click()
{
    m_experiment.Cmd_Can();
    refresh();
}

void Frm_Rabbit::Cmd_LEye_Click()
{
    chooseEye(Eye::Left);
}

void Frm_Rabbit::Cmd_Reye_Click()
{
    chooseEye(Eye::Right);
}

void Frm_Rabbit::chooseEye(Eye eye)
{
    const QString message = m_experiment.chooseEye(eye);
    refresh();
    if (!message.isEmpty())
        MessageBoxes::inform(this, message);
}

void Frm_Rabbit::Combo_Drug_Change(int position)
{
    m_experiment.drugListChanged(position, Combo_Drug->itemText(position));
    refresh();
}

void Frm_Rabbit::Timer_Instill_Timer(Eye eye)
{
    m_experiment.instillTick(eye);
    refresh();
}

void Frm_Rabbit::Timer_Eye_Timer(Eye eye)
{
    m_experiment.eyeTimerTick(eye);
    refresh();
}

void Frm_Rabbit::Cmd_New_Click()
{
    // The rabbit picture and its label obey New's state too.
    if (m_experiment.New()) {
        RemoveCloseMenu(this);
        refresh();
    }
}

QString Frm_Rabbit::selectedAnswer() const
{
    const QListWidgetItem *item = Lst_Exam->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Frm_Rabbit::Cmd_Next_Click()
{
    const RabbitExperiment::Leave leave = m_experiment.Next(selectedAnswer());
    Lst_Exam->clearSelection();
    refresh();
    if (leave == RabbitExperiment::Leave::ToResults)
        leaveForResults();
}

void Frm_Rabbit::Cmd_Dr_Id_Click()
{
    const RabbitExperiment::Leave leave = m_experiment.Identified(selectedAnswer());
    Lst_Exam->clearSelection();
    Lst_Exam->setCurrentItem(nullptr);
    refresh();
    if (leave == RabbitExperiment::Leave::ToResults)
        leaveForResults();
}

void Frm_Rabbit::leaveForResults()
{
    // The window keeps its rabbit and its timers while the results window shows.
    hide();
    WindowRegistry::show(WindowNames::RabbitTable);
}

void Frm_Rabbit::Cmd_Table_Click()
{
    m_experiment.Table();
    leaveForResults();
}

void Frm_Rabbit::cmdreturn_Click()
{
    WindowRegistry::show(WindowNames::RabbitFront);
    WindowRegistry::unload(objectName());
}

void Frm_Rabbit::cmd_help_Click()
{
    instructcdl->showHelp();
}

void Frm_Rabbit::Image_Torche_Click()
{
    pickUp(Rab_eye::Tool::Torch);
}

void Frm_Rabbit::Image_Cotton_Click()
{
    pickUp(Rab_eye::Tool::Cotton);
}

void Frm_Rabbit::pickUp(Rab_eye::Tool tool)
{
    m_experiment.pickUp(tool);
    m_carrier->pickUp(m_pictures.picture(m_experiment.carriedPicture()));
}

void Frm_Rabbit::showCarriedPicture()
{
    // The tools point up-left; their mirrored pictures over the right side
    // view point up-right, so the pointer is at their top right corner.
    const QString file = m_experiment.carriedPicture();
    const QPixmap picture = m_pictures.picture(file);
    const bool mirrored = file.endsWith(QStringLiteral("1.ico"));
    const int width = picture.deviceIndependentSize().toSize().width();
    m_carrier->setPicture(picture, mirrored ? QPoint(qMax(0, width - 1), 0) : QPoint());
}

void Frm_Rabbit::toolEntered(QWidget *target)
{
    if (target == m_eyes[int(Eye::Right)].side)
        m_experiment.rightViewEntered();
    for (Eye eye : BothEyes) {
        if (target == m_eyes[int(eye)].target)
            m_experiment.eyeEntered(eye);
    }
    showCarriedPicture();
    refresh();
}

void Frm_Rabbit::toolLeft(QWidget *target)
{
    if (target == m_eyes[int(Eye::Right)].side)
        m_experiment.rightViewLeft();
    for (Eye eye : BothEyes) {
        if (target == m_eyes[int(eye)].target)
            m_experiment.eyeLeft(eye);
    }
    if (m_carrier->carrying())
        showCarriedPicture();
    refresh();
}

void Frm_Rabbit::toolPutDown()
{
    m_experiment.carryEnded();
    refresh();
}

void Frm_Rabbit::rulerDragged(Eye eye, int pointerXPixels)
{
    m_experiment.dragRuler(eye, Twips::fromPixels(pointerXPixels));
    refresh();
}

bool Frm_Rabbit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Lab_Rab_No && event->type() == QEvent::MouseButtonRelease) {
        Cmd_New_Click();
        return true;
    }
    if ((watched == Cmd_Instill && event->type() == QEvent::Enter)
        || (watched == Combo_Drug && event->type() == QEvent::FocusIn)) {
        m_experiment.pointerOnInstill();
        refresh();
    }
    return FormWindow::eventFilter(watched, event);
}
