#include "shell/frm_heart_main.h"

#include "core/passwords.h"
#include "heart/model/heart_state.h"
#include "widgets/window_names.h"

namespace {

FrontPageSetup heartSetup()
{
    using Step = FrontPageSetup::LoadStep;
    FrontPageSetup s;
    s.windowName = WindowNames::HeartFront;
    s.caption = QStringLiteral("Vivosim - Heart T1.01");
    s.productLabel = QStringLiteral("Vivosim - Heart");
    s.version = QStringLiteral("version T1.01");
    s.subtitle = QStringLiteral("Effects of drugs on the isolated heart of frog");
    s.banner = QStringLiteral("Effects of Drugs on the Isolated Frog Heart");
    s.decorPicture = QStringLiteral("front_heart.svg");
    s.decorToolTip = QStringLiteral("My heart is beating.....");
    s.logoPanelName = QStringLiteral("Frm_logo");
    s.tutorialButton = QStringLiteral("Cmd_Tutorial");
    s.examButton = QStringLiteral("cmd_exam");
    s.exitButton = QStringLiteral("Cmd_Exit");
    s.instructButton = QStringLiteral("Cmd_Instruct");
    s.passwordFrame = QStringLiteral("Frame_Password");
    s.passwordEntry = QStringLiteral("Txt_PassWord");
    s.okButton = QStringLiteral("Cmd_Ok_Password");
    s.cancelButton = QStringLiteral("Cmd_Cancel_Password");
    s.passwordFrameCaption = QStringLiteral("GateWay For Examination Mode");
    s.mask = QLatin1Char('x');
    s.clearEntryOnExamination = false;
    s.shortPasswordMessage = QStringLiteral("Invalid Password.  Password should be atleat 4 character ");
    s.helpFile = QStringLiteral("heart.hlp");
    s.helpDialogName = QStringLiteral("instructcdl");
    s.experimentWindow = WindowNames::Heart;
    s.windowsDestroyed = {WindowNames::HeartQuestion, WindowNames::Heart, WindowNames::HeartTable};
    s.loadOrder = {Step::ScreenCheck, Step::DestroyWindows, Step::ResetState, Step::RemoveCloseAndCentre};
    return s;
}

} // namespace

Frm_Heart_Main::Frm_Heart_Main(Heart::HeartPractical &practical)
    : FrontPage(heartSetup())
    , m_practical(practical)
{
}

void Frm_Heart_Main::resetPractical()
{
    m_practical = Heart::HeartPractical();
}

void Frm_Heart_Main::setMode(ModeChoice choice)
{
    m_practical.Heart_Mode = modeFor(choice, Heart::Mode::Exam1);
}

void Frm_Heart_Main::storePassword(const QString &normalised)
{
    m_practical.Heart_Password = Passwords::fixedField(normalised);
}

void Frm_Heart_Main::openGateway()
{
    // The entry keeps what was typed before; the mode is Examination from here.
    setMode(ModeChoice::Examination);
    FrontPage::openGateway();
}

void Frm_Heart_Main::passwordRefused()
{
    m_practical.Heart_Password = Passwords::fixedField(QString());
    openGateway();
}

void Frm_Heart_Main::gatewayCancelled()
{
    FrontPage::gatewayCancelled();
    setMode(ModeChoice::None);
}

void Frm_Heart_Main::modeChosen()
{
    m_practical.Heart_Started = 0;
}
