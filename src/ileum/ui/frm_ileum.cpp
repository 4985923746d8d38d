#include "ileum/ui/frm_ileum.h"

#include "core/clock.h"
#include "ileum/model/concentration.h"
#include "ileum/model/dose_text.h"
#include "ileum/model/ileum_messages.h"
#include "ileum/model/ileum_ruler.h"
#include "ileum/model/ileum_state.h"
#include "ileum/ui/ruler_picture.h"
#include "widgets/help_files.h"
#include "widgets/image_control.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_widget.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The syringe stays on show this long at every injection.
constexpr int SyringeMs = 1000;

const QString KnownDoseUnit = QStringLiteral("Dose   \u00B5g");
const QString UnknownVolumeUnit = QStringLiteral("Dose ") + QStringLiteral("  ") + QStringLiteral("ml");

} // namespace

void Frm_Ileum::load()
{
    Form_Load();
}

bool Frm_Ileum::examination() const
{
    return m_practical.Ileum_Mode == ileum::Mode::Examination;
}

void Frm_Ileum::Form_Load()
{
    RemoveCloseMenu(this);
    Txt_Dose->setText(QStringLiteral("0.1"));
    Frame_Cal->hide();
    Lab_stephelp->setText(QStringLiteral("Choose a dose & Inject"));
    Lab_drug->setText(QStringLiteral("Histamine-Known"));
    if (examination()) {
        setWindowTitle(QStringLiteral("Bioassay of histamine on the guinea-pig ileum - Examination Mode"));
        Cmd_return->setEnabled(false);
        Cmd_New->setEnabled(false);
    } else {
        setWindowTitle(QStringLiteral("Bioassay of histamine on the guinea-pig ileum - Tutorial Mode"));
    }
    // Back to the dose-response phase, with chance reseeded.
    if (m_assay.startLoad(qint16(m_recorder->paper()->height())) == ileum::RecorderStart::SetUp)
        IleumWindowSetUp();
    else
        IleumWindowReset();
    setDoseUnit(KnownDoseUnit);
    m_assay.drawTissueParameters();
    Picture1->moveLeftTo(ileum::Ruler::leftAfterLoad(m_recorder->bookkeeping().paperWidth()));
}

void Frm_Ileum::IleumWindowSetUp()
{
    m_recorder->RecorderSetUp();
    Frame_Cmd_button->hide();
    Frame_stddose->hide();
    Cmd_inject->setEnabled(true);
    Cmd_inject->show();
}

void Frm_Ileum::IleumWindowReset()
{
    Cmd_inject->show();
    Cmd_inject->setEnabled(true);
    Cmd_Calculate->hide();
    Cmd_MatchAssay->show();
    Frame_Cmd_button->hide();
    Frame_stddose->hide();
    m_recorder->RecorderReset();
    Frame_Cal->setEnabled(false);
    Cmd_Cal->show();
    Lab_cal->show();
    Txt_cal->show();
    Lab_Con->hide();
    Label_cons->hide();
    LabMcg->hide();
    txt_con->hide();
}

void Frm_Ileum::setDoseUnit(const QString &text)
{
    Lab_dose->setText(text);
    nameByLabel(Txt_Dose, Lab_dose);
}

void Frm_Ileum::Cmd_updose_Click()
{
    Txt_Dose->setText(ileum::DoseText::doubled(Txt_Dose->text()));
}

void Frm_Ileum::Cmd_downdose_Click()
{
    Txt_Dose->setText(ileum::DoseText::halved(Txt_Dose->text()));
}

void Frm_Ileum::Txt_Dose_Change()
{
    lab_unk->setText(Txt_Dose->text() + QStringLiteral(" ml"));
}

void Frm_Ileum::showSyringe()
{
    Img_inject->show();
    repaint();
    Clock::current().pause(SyringeMs);
    Img_inject->hide();
    repaint();
}

void Frm_Ileum::Cmd_inject_Click()
{
    showSyringe();
    m_recorder->ShowLivePosition();
    const ileum::InjectionStart start
        = m_assay.startInjection(Txt_Dose->text(), Txt_stddose->text(), m_recorder->IsPaperFull());
    Txt_Dose->setText(start.doseText);
    switch (start.check) {
    case ileum::InjectionCheck::InvalidDose:
        MessageBoxes::inform(this, ileum::Messages::InvalidInjectionDose);
        Txt_Dose->setFocus();
        return;
    case ileum::InjectionCheck::PaperFull:
        if (m_recorder->askToClearFullPaper())
            Form_Load();
        return;
    case ileum::InjectionCheck::Ready: break;
    }
    // The ruler moves with an injection that goes ahead; a refused one leaves
    // it where the student can still see it.
    Picture1->moveLeftTo(ileum::Ruler::leftBeforeInjection(m_recorder->bookkeeping().paperWidth()));
    m_recorder->AdvancePaper(start.advance);
    m_recorder->draw(m_assay.recordInjection(m_recorder->bookkeeping().paperWidth()));
    m_recorder->StoreLivePosition();
    Txt_Dose->setFocus();
}

void Frm_Ileum::PicMain_DragOver(int x)
{
    Picture1->moveLeftTo(x);
}

void Frm_Ileum::Cmd_MatchAssay_Click()
{
    m_assay.startMatchingAssay();
    Cmd_MatchAssay->hide();
    Frame_stddose->show();
    Txt_stddose->setFocus();
    Cmd_inject->setEnabled(false);
    Lab_drug->setText(QStringLiteral("Histamine-Unknown"));
    Lab_stephelp->setText(QStringLiteral("Choose your standard curve"));
    if (!examination()) {
        Cmd_Calculate->show();
        Cmd_Calculate->setEnabled(false);
    }
}

void Frm_Ileum::Cmd_stddose_Click()
{
    const ileum::StandardAcceptance standard = m_assay.acceptStandard(Txt_stddose->text());
    if (!standard.accepted) {
        MessageBoxes::inform(this, ileum::Messages::InvalidStandardDose);
        Txt_stddose->setFocus();
        return;
    }
    Lab_stan->setText(standard.Lab_stan);
    Lab_half->setText(standard.Lab_half);
    Lab_doub->setText(standard.Lab_doub);
    // The dose box now holds a volume of the unknown, starting at 0.1 ml.
    Txt_Dose_Change();
    Txt_Dose->setText(QStringLiteral("0.1"));
    setDoseUnit(UnknownVolumeUnit);
    Lab_stephelp->setText(QStringLiteral("Inject std or unknown"));
    Frame_stddose->hide();
    Frame_Cmd_button->show();
    Cmd_inject->setEnabled(false);
    Cmd_Std->setFocus();
    if (!examination())
        Cmd_Calculate->setEnabled(true);
}

void Frm_Ileum::injectStandard(ileum::StandardKind kind)
{
    m_assay.prepareStandard(kind, Txt_stddose->text());
    Cmd_inject_Click();
}

void Frm_Ileum::Cmd_Calculate_Click()
{
    Lab_stephelp->clear();
    Cmd_Calculate->setEnabled(false);
    Frame_Cal->setEnabled(true);
    Frame_Cal->show();
    Txt_cal->setFocus();
}

void Frm_Ileum::Cmd_Cal_Click()
{
    // A blank volume, or one reading as 0, is refused: the panel stays open
    // for another try.
    const ileum::ComputedConcentration result = ileum::computeConcentration(Txt_stddose->text(), Txt_cal->text());
    if (!result.computed) {
        MessageBoxes::inform(this, ileum::Messages::InvalidMatchingVolume);
        Txt_cal->setFocus();
        return;
    }
    Cmd_Cal->hide();
    Lab_cal->hide();
    Txt_cal->hide();
    txt_con->setText(result.txt_con);
    Label_cons->setText(result.Label_cons);
    Label_cons->show();
    Lab_Con->show();
    txt_con->show();
    LabMcg->show();
}

void Frm_Ileum::Cmd_Next_Click()
{
    if (!examination()) {
        WindowRegistry::show(WindowNames::IleumQuestion);
        hide();
        return;
    }
    Cmd_MatchAssay->setEnabled(false);
    Cmd_inject->setEnabled(false);
    Cmd_Next->setEnabled(false);
    Frame_Cmd_button->setEnabled(false);
    Frame_stddose->setEnabled(false);
    Txt_stddose->setText(m_assay.handIn(Txt_stddose->text()).standardText);
    WindowRegistry::show(WindowNames::IleumExam);
}

void Frm_Ileum::Cmd_New_Click()
{
    Form_Load();
}

void Frm_Ileum::Cmd_return_Click()
{
    // The front page's load closes this window.
    WindowRegistry::show(WindowNames::IleumFront);
    WindowRegistry::unload(objectName());
}

void Frm_Ileum::Cmd_Instruct_Click()
{
    m_help->showHelp();
}
