#include "shell/front_page.h"

#include "shell/logo_panel.h"
#include "widgets/controls.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/image_control.h"
#include "widgets/message_boxes.h"
#include "widgets/password_gateway.h"
#include "widgets/screen_check.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int ClientWidth = 790;
constexpr int ClientHeight = 560;
const char *const TealText = "color: #1f5f6b;";

} // namespace

void FrontPageSetup::useSharedControlNames()
{
    tutorialButton = QStringLiteral("Cmd_Tut");
    examButton = QStringLiteral("cmd_exam");
    exitButton = QStringLiteral("Cmd_quit");
    instructButton = QStringLiteral("Cmd_Instruct");
    passwordFrame = QStringLiteral("Frame_Pass");
    passwordEntry = QStringLiteral("Txt_PassW");
    okButton = QStringLiteral("Cmd_ok");
    cancelButton = QStringLiteral("Cmd_Cancel");
    passwordFrameCaption = QStringLiteral(" GateWay For Examination Mode");
}

FrontPage::FrontPage(const FrontPageSetup &setup)
    : FormWindow(setup.windowName)
    , m_setup(setup)
    , m_help(new HelpDialog(setup.helpDialogName, setup.helpFile, HelpEngine::ForceFile, this))
    , Timer1(new QTimer(this))
{
    setWindowTitle(setup.caption);
    setClientSize(ClientWidth, ClientHeight);

    auto *banner = Controls::label(this, QStringLiteral("lbl_title"), setup.banner, QRect(20, 24, 750, 60));
    banner->setAlignment(Qt::AlignCenter);
    Controls::setFont(banner, 18, true);
    banner->setStyleSheet(QLatin1String(TealText));

    auto *decor = new ImageControl(QStringLiteral("Image1"), setup.decorPicture, this);
    decor->setGeometry(60, 140, 260, 220);
    if (!setup.decorToolTip.isEmpty())
        decor->setToolTipText(setup.decorToolTip);
    else
        decor->setAccessibleName(setup.banner.trimmed());

    buildChoices();
    buildGateway();
    buildLogoPanel();
    // Under the logo panel nothing can be chosen, by the mouse or the keys.
    m_modeFrame->setEnabled(false);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(LogoPanelMs);
    connect(Timer1, &QTimer::timeout, this, &FrontPage::Timer1_Timer);
    Timer1->start();
}

void FrontPage::buildLogoPanel()
{
    m_logoPanel = new LogoPanel(m_setup.logoPanelName, this);
    m_logoPanel->setGeometry(0, 0, ClientWidth, ClientHeight);
    m_logoPanel->setStyleSheet(QStringLiteral("LogoPanel { background: #f6f1e3; }"));

    auto *logo = new ImageControl(QStringLiteral("Img_logo"), QStringLiteral("logo.svg"), m_logoPanel);
    logo->setGeometry(70, 50, 140, 140);
    logo->setAccessibleName(QStringLiteral("Vivosim logo"));
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *vs = Controls::label(m_logoPanel, QStringLiteral("lbl_logo"), QStringLiteral("VS"), QRect(240, 46, 120, 60));
    Controls::setFont(vs, 34, true);
    vs->setStyleSheet(QStringLiteral("color: #e0674f;"));
    auto *product
        = Controls::label(m_logoPanel, QStringLiteral("lbl_product"), m_setup.productLabel, QRect(240, 106, 520, 50));
    Controls::setFont(product, 26, true);
    product->setStyleSheet(QLatin1String(TealText));
    auto *version
        = Controls::label(m_logoPanel, QStringLiteral("lbl_version"), m_setup.version, QRect(244, 158, 300, 26));
    Controls::setFont(version, 12);

    auto *subtitle
        = Controls::label(m_logoPanel, QStringLiteral("lbl_subtitle"), m_setup.subtitle, QRect(125, 230, 540, 70));
    Controls::setFont(subtitle, 16, true);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(QStringLiteral("color: #3b4a5a;"));

    auto *credit
        = Controls::label(m_logoPanel, QStringLiteral("lbl_credit"),
                          QStringLiteral("Developed by the Vivosim teaching software team, Department of Pharmacology"),
                          QRect(70, 330, 650, 44));
    credit->setAlignment(Qt::AlignCenter);
    Controls::setFont(credit, 11);
    auto *web = Controls::label(m_logoPanel, QStringLiteral("lbl_web"), QStringLiteral("www.vivosim.example.org"),
                                QRect(70, 378, 650, 24));
    web->setAlignment(Qt::AlignCenter);
    web->setStyleSheet(QLatin1String(TealText));

    auto *proceed = new ImageControl(QStringLiteral("Image3"), QStringLiteral("proceed.svg"), m_logoPanel);
    proceed->setGeometry(359, 440, 72, 72);
    proceed->setToolTipText(QStringLiteral("Click to proceed"));
    proceed->setCursor(Qt::PointingHandCursor);
    connect(proceed, &ImageControl::clicked, this, &FrontPage::hideLogoPanel);

    if (m_setup.panelDismissedByDoubleClick)
        connect(m_logoPanel, &LogoPanel::doubleClicked, this, &FrontPage::hideLogoPanel);
    else
        connect(m_logoPanel, &LogoPanel::clicked, this, &FrontPage::hideLogoPanel);
}

void FrontPage::buildChoices()
{
    m_modeFrame = Controls::frame(this, QStringLiteral("Frame_Mode"), QStringLiteral("Click your choice"),
                                  QRect(420, 120, 300, 320));
    Controls::setFont(m_modeFrame, 11, true);
    struct Choice
    {
        QString name;
        const char *caption;
        void (FrontPage::*handler)();
    };
    const Choice choices[] = {
        {m_setup.tutorialButton, "&Tutorial", &FrontPage::tutorialClicked},
        {m_setup.examButton, "&Examination", &FrontPage::examinationClicked},
        {m_setup.instructButton, "&Instruction", &FrontPage::instructionClicked},
        {m_setup.exitButton, "E&xit", &FrontPage::exitClicked},
    };
    int y = 44;
    int outline = 1;
    for (const Choice &c : choices) {
        Controls::outline(m_modeFrame, QStringLiteral("Shape%1").arg(outline++), QRect(36, y - 6, 228, 58));
        auto *b = Controls::button(m_modeFrame, c.name, QString::fromLatin1(c.caption), QRect(44, y, 212, 46));
        Controls::setFont(b, 11, true);
        connect(b, &QPushButton::clicked, this, c.handler);
        y += 68;
    }
}

void FrontPage::buildGateway()
{
    PasswordGatewaySetup g;
    g.frameName = m_setup.passwordFrame;
    g.frameCaption = m_setup.passwordFrameCaption;
    g.frameGeometry = QRect(400, 170, 340, 200);
    g.frameFont = {11, true};
    g.labelName = QStringLiteral("lbl_password");
    g.labelText = QStringLiteral("Password  :");
    g.labelGeometry = QRect(24, 56, 110, 28);
    g.entryName = m_setup.passwordEntry;
    g.mask = m_setup.mask;
    g.entryGeometry = QRect(134, 54, 180, 30);
    g.okName = m_setup.okButton;
    g.okCaption = QStringLiteral("&Ok");
    g.okGeometry = QRect(50, 124, 104, 40);
    g.okIsDefault = true;
    g.cancelName = m_setup.cancelButton;
    g.cancelCaption = QStringLiteral("&Cancel");
    g.cancelGeometry = QRect(186, 124, 104, 40);
    // The supervisor sets the password; a short one is emptied from the box.
    g.rule = PasswordGatewaySetup::Rule::NewPassword;
    g.refusalText = m_setup.shortPasswordMessage;
    g.clearOnOpen = m_setup.clearEntryOnExamination;
    m_gateway = new PasswordGateway(g, this);
    // The entry is stored as the password before it is checked.
    connect(m_gateway, &PasswordGateway::submitted, this, &FrontPage::storePassword);
    connect(m_gateway, &PasswordGateway::accepted, this, &FrontPage::passwordAccepted);
    connect(m_gateway, &PasswordGateway::refused, this, &FrontPage::passwordRefused);
    connect(m_gateway, &PasswordGateway::cancelled, this, &FrontPage::gatewayCancelled);
}

void FrontPage::load()
{
    for (const FrontPageSetup::LoadStep step : m_setup.loadOrder) {
        switch (step) {
        case FrontPageSetup::LoadStep::InitHelp: InitHelpFile(this); break;
        case FrontPageSetup::LoadStep::ScreenCheck:
            if (!ScreenCheck::confirmScreen(this))
                return;
            break;
        case FrontPageSetup::LoadStep::DestroyWindows:
            for (const QString &name : m_setup.windowsDestroyed)
                WindowRegistry::unload(name);
            break;
        case FrontPageSetup::LoadStep::RemoveCloseAndCentre:
            RemoveCloseMenu(this);
            CentreForm(this);
            break;
        case FrontPageSetup::LoadStep::ResetState: resetPractical(); break;
        }
    }
}

void FrontPage::unloaded()
{
    if (m_setup.quitHelpOnUnload)
        QuitHelp();
}

void FrontPage::Timer1_Timer()
{
    hideLogoPanel();
}

void FrontPage::hideLogoPanel()
{
    m_logoPanel->hide();
    m_modeFrame->setEnabled(true);
    Timer1->stop();
}

void FrontPage::tutorialClicked()
{
    if (!experimentAvailable())
        return;
    modeChosen();
    setMode(ModeChoice::Tutorial);
    enterExperiment();
}

void FrontPage::examinationClicked()
{
    modeChosen();
    openGateway();
}

void FrontPage::openGateway()
{
    m_modeFrame->hide();
    m_gateway->open();
}

void FrontPage::passwordAccepted()
{
    if (!experimentAvailable()) {
        setMode(ModeChoice::None);
        gatewayCancelled();
        return;
    }
    setMode(ModeChoice::Examination);
    enterExperiment();
}

void FrontPage::gatewayCancelled()
{
    m_gateway->hide();
    m_modeFrame->show();
}

void FrontPage::instructionClicked()
{
    m_help->showHelp();
}

void FrontPage::exitClicked()
{
    WindowRegistry::show(WindowNames::Selection);
    WindowRegistry::unload(objectName());
}

bool FrontPage::experimentAvailable()
{
    if (WindowRegistry::isDefined(m_setup.experimentWindow))
        return true;
    MessageBoxes::inform(this, QStringLiteral("This practical is not available yet. Please choose another experiment."),
                         QString(), MessageBoxes::Icon::Information);
    return false;
}

void FrontPage::enterExperiment()
{
    // The experiment window is loaded first, then shown; a window that could
    // not start its practical leaves this page open.
    if (WindowRegistry::load(m_setup.experimentWindow)) {
        WindowRegistry::show(m_setup.experimentWindow);
        WindowRegistry::unload(objectName());
    }
}
