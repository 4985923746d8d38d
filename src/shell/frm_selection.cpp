#include "shell/frm_selection.h"

#include "widgets/controls.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/image_control.h"
#include "widgets/program_end.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

struct ExperimentPicture
{
    const char *name;
    const char *picture;
    const char *toolTip;
    const QString &frontPage;
    QRect place;
};

} // namespace

Frm_Selection::Frm_Selection()
    : FormWindow(WindowNames::Selection)
    , CmnD_help(new HelpDialog(QStringLiteral("CmnD_help"), QStringLiteral("vivosim"), HelpEngine::ShowTopic, this))
{
    setWindowTitle(QStringLiteral("Vivosim T1.00 for Win 95/98/2000/XP"));
    setClientSize(790, 560);

    auto *logo = Controls::label(this, QStringLiteral("Label4"), QStringLiteral("VS"), QRect(24, 14, 80, 56));
    Controls::setFont(logo, 30, true);
    logo->setAlignment(Qt::AlignCenter);
    logo->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    auto *title = Controls::label(this, QStringLiteral("Label1"),
                                  QStringLiteral("Vivosim T1.00 for Windows 95/98/2000/XP"), QRect(120, 22, 650, 44));
    Controls::setFont(title, 17, true);
    title->setStyleSheet(QStringLiteral("color: #1f5f6b;"));

    Controls::outline(this, QStringLiteral("Shape1"), QRect(20, 84, 560, 452));

    const ExperimentPicture pictures[] = {
        {"Img_heart", "select_heart.svg", "Effects of Drugs on the Frog Heart", WindowNames::HeartFront,
         QRect(40, 100, 170, 140)},
        {"Img_gpig", "select_guineapig.svg", "Bioassay of Histamine on the Guinea-Pig Ileum", WindowNames::IleumFront,
         QRect(390, 100, 170, 140)},
        {"Img_frog", "select_frog.svg", "Effect of Drugs on the Frog Oesophagus", WindowNames::OesoFront,
         QRect(40, 380, 170, 140)},
        {"img_rabbit", "select_rabbit.svg", "Effects of Drugs on the Rabbit Eye", WindowNames::RabbitFront,
         QRect(390, 380, 170, 140)},
    };
    for (const ExperimentPicture &p : pictures) {
        auto *image = new ImageControl(QString::fromLatin1(p.name), QString::fromLatin1(p.picture), this);
        image->setGeometry(p.place);
        image->setToolTipText(QString::fromLatin1(p.toolTip));
        image->setCursor(Qt::PointingHandCursor);
        const QString frontPage = p.frontPage;
        connect(image, &ImageControl::clicked, this, [this, frontPage] { chooseExperiment(frontPage); });
    }

    auto *computer = new ImageControl(QStringLiteral("Img_comp"), QStringLiteral("select_computer.svg"), this);
    computer->setGeometry(210, 250, 180, 140);
    computer->setAccessibleName(QStringLiteral("Computer showing a recording"));

    auto *hint
        = Controls::label(this, QStringLiteral("Label3"),
                          QStringLiteral("    Click a    picture to  start the experiment"), QRect(240, 396, 120, 64));
    hint->setToolTip(QStringLiteral("Click the mouse over a picture "));
    hint->setAlignment(Qt::AlignCenter);
    Controls::setFont(hint, 10, true);

    struct HelpButton
    {
        const char *name;
        const char *caption;
        qint32 topic;
    };
    const HelpButton helpButtons[] = {
        {"Cmd_intro", "&Introduction", 50},
        {"Cmd_history", "&History", 60},
        {"Cmd_Soft", "&Software-Info", 70},
        {"Cmd_ack", "&Acknowledgements", 80},
    };
    int y = 110;
    for (const HelpButton &h : helpButtons) {
        auto *b = Controls::button(this, QString::fromLatin1(h.name), QString::fromLatin1(h.caption),
                                   QRect(610, y, 160, 40));
        const qint32 topic = h.topic;
        connect(b, &QPushButton::clicked, this, [this, topic] { showProductTopic(topic); });
        y += 56;
    }
    auto *instruct = Controls::button(this, QStringLiteral("Cmd_Instruct"), QStringLiteral("Instructio&N"),
                                      QRect(610, y, 160, 40));
    connect(instruct, &QPushButton::clicked, this, &Frm_Selection::openInstructions);
    y += 56;
    auto *quitButton
        = Controls::button(this, QStringLiteral("Cmd_quit"), QStringLiteral("&Quit"), QRect(610, y + 40, 160, 40));
    connect(quitButton, &QPushButton::clicked, this, &Frm_Selection::quit);
}

void Frm_Selection::load()
{
    InitHelpFile(this);
    CentreForm(this);
}

void Frm_Selection::unloaded()
{
    QuitHelp();
}

void Frm_Selection::chooseExperiment(const QString &frontPage)
{
    WindowRegistry::show(frontPage);
    WindowRegistry::unload(WindowNames::Selection);
}

void Frm_Selection::showProductTopic(qint32 topic)
{
    CmnD_help->setHelpContext(topic);
    CmnD_help->showHelp();
}

void Frm_Selection::openInstructions()
{
    hide();
    WindowRegistry::show(WindowNames::Instructions);
}

void Frm_Selection::quit()
{
    WindowRegistry::unload(WindowNames::Selection);
    ProgramEnd::endProgram();
}
