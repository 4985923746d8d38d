#include "shell/frm_rab_main.h"

#include "core/passwords.h"
#include "rabbit/model/rabbit_state.h"
#include "widgets/window_names.h"

namespace {

FrontPageSetup pageSetup()
{
    using Step = FrontPageSetup::LoadStep;
    FrontPageSetup s;
    s.windowName = WindowNames::RabbitFront;
    s.caption = QStringLiteral("Vivosim - Rabbit T1.01");
    s.productLabel = QStringLiteral("Vivosim - Rabbit");
    s.version = QStringLiteral("version T1.01");
    s.subtitle = QStringLiteral("Effects of drugs on the rabbit eye");
    s.banner = QStringLiteral("Effects of Drugs on the Rabbit Eye");
    s.decorPicture = QStringLiteral("front_rabbit.svg");
    s.decorToolTip = QStringLiteral("Donate Eyes");
    s.logoPanelName = QStringLiteral("logo_frm");
    s.useSharedControlNames();
    s.mask = QLatin1Char('x');
    s.shortPasswordMessage = QStringLiteral("Invalid Passord.  Password should be atleast 4 character ");
    s.helpFile = QStringLiteral("rabbit.hlp");
    s.helpDialogName = QStringLiteral("instructcdl");
    s.experimentWindow = WindowNames::Rabbit;
    s.windowsDestroyed = {WindowNames::Rabbit, WindowNames::RabbitTable};
    s.loadOrder = {Step::ScreenCheck, Step::RemoveCloseAndCentre, Step::DestroyWindows, Step::ResetState};
    return s;
}

} // namespace

Frm_Rab_main::Frm_Rab_main(Rab_eye::RabPractical &practical)
    : FrontPage(pageSetup())
    , m_practical(practical)
{
}

void Frm_Rab_main::resetPractical()
{
    m_practical = Rab_eye::RabPractical();
}

void Frm_Rab_main::setMode(ModeChoice choice)
{
    m_practical.Rab_Mode = modeFor(choice, Rab_eye::Mode::Examination);
}

void Frm_Rab_main::storePassword(const QString &normalised)
{
    m_practical.Rab_Password = Passwords::fixedField(normalised);
}
