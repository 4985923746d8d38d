#include "shell/frm_il_main.h"

#include "ileum/model/ileum_state.h"
#include "widgets/window_names.h"

namespace {

FrontPageSetup pageSetup()
{
    using Step = FrontPageSetup::LoadStep;
    FrontPageSetup s;
    s.windowName = WindowNames::IleumFront;
    s.caption = QStringLiteral(" Vivosim - Ileum T1.00");
    s.productLabel = QStringLiteral("Vivosim - Ileum");
    s.version = QStringLiteral("version T1.00");
    s.subtitle = QStringLiteral("Bioassay of Histamine on the Guinea-Pig Ileum");
    s.banner = QStringLiteral("Bioassay of Histamine on the Guinea-Pig Ileum");
    s.decorPicture = QStringLiteral("front_ileum.svg");
    s.decorToolTip = QStringLiteral("  Hi.... ");
    s.logoPanelName = QStringLiteral("Frm_logo");
    s.panelDismissedByDoubleClick = true;
    s.useSharedControlNames();
    s.mask = QLatin1Char(' ');
    s.shortPasswordMessage = QStringLiteral("Invalid Passord.  Password should be atleat 4 character ");
    s.helpFile = QStringLiteral("ileum.hlp");
    s.helpDialogName = QStringLiteral("instructCDL");
    s.experimentWindow = WindowNames::Ileum;
    s.windowsDestroyed = {WindowNames::Ileum, WindowNames::IleumExam};
    s.loadOrder = {Step::ScreenCheck, Step::DestroyWindows, Step::RemoveCloseAndCentre, Step::ResetState};
    return s;
}

} // namespace

Frm_il_main::Frm_il_main(ileum::IleumPractical &practical)
    : FrontPage(pageSetup())
    , m_practical(practical)
{
}

void Frm_il_main::resetPractical()
{
    m_practical = ileum::IleumPractical();
}

void Frm_il_main::setMode(ModeChoice choice)
{
    m_practical.Ileum_Mode = modeFor(choice, ileum::Mode::Examination);
}

void Frm_il_main::storePassword(const QString &normalised)
{
    m_practical.Ileum_Password = normalised;
}
