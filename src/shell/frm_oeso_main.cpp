#include "shell/frm_oeso_main.h"

#include "oesophagus/model/oesophagus_state.h"
#include "widgets/window_names.h"

namespace {

FrontPageSetup pageSetup()
{
    using Step = FrontPageSetup::LoadStep;
    FrontPageSetup s;
    s.windowName = WindowNames::OesoFront;
    s.caption = QStringLiteral(" Vivosim-Oesophagus T1.00");
    s.productLabel = QStringLiteral("Vivosim - Oesophagus");
    s.version = QStringLiteral("version T1.00");
    s.subtitle = QStringLiteral("Effect of drugs on the ciliary motility               of frog oesophagus");
    s.banner = QStringLiteral(" Effect of Drugs on the Ciliary  Motility of Frog Oesophagus");
    s.decorPicture = QStringLiteral("front_oesophagus.svg");
    s.logoPanelName = QStringLiteral("Frm_logo");
    s.panelDismissedByDoubleClick = true;
    s.useSharedControlNames();
    s.mask = QLatin1Char(' ');
    s.shortPasswordMessage = QStringLiteral("Invalid Passord.  Password should be atleat 4 character ");
    s.helpFile = QStringLiteral("oesopha.hlp");
    s.helpDialogName = QStringLiteral("cdl_instruct");
    s.experimentWindow = WindowNames::Oesophagus;
    s.windowsDestroyed = {WindowNames::Oesophagus, WindowNames::OesoTable, WindowNames::OesoQuestion};
    s.loadOrder
        = {Step::InitHelp, Step::ScreenCheck, Step::RemoveCloseAndCentre, Step::DestroyWindows, Step::ResetState};
    s.quitHelpOnUnload = true;
    return s;
}

} // namespace

Frm_Oeso_main::Frm_Oeso_main(Mod_Oeso::OesoPractical &practical)
    : FrontPage(pageSetup())
    , m_practical(practical)
{
}

void Frm_Oeso_main::resetPractical()
{
    m_practical = Mod_Oeso::OesoPractical();
}

void Frm_Oeso_main::setMode(ModeChoice choice)
{
    m_practical.Oeso_Mode = modeFor(choice, Mod_Oeso::Mode::Examination);
}

void Frm_Oeso_main::storePassword(const QString &normalised)
{
    m_practical.Oeso_Password = normalised;
}
