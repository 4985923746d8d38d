#include "shell/frm_instruct.h"

#include "widgets/controls.h"
#include "widgets/help_engine.h"
#include "widgets/help_files.h"
#include "widgets/program_end.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QLabel>
#include <QPushButton>

Frm_instruct::Frm_instruct()
    : FormWindow(WindowNames::Instructions)
    , CmnD_instruct(new HelpDialog(QStringLiteral("CmnD_instruct"), QString(), HelpEngine::ForceFile, this))
{
    setWindowTitle(QStringLiteral("Vivosim T1.00 for Win 95/98/2000/XP"));
    setClientSize(360, 340);

    auto *heading = Controls::label(this, QStringLiteral("Label1"), QStringLiteral("Show Instructions for"),
                                    QRect(20, 16, 320, 30));
    Controls::setFont(heading, 14, true);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: #1f5f6b;"));
    auto *hint
        = Controls::label(this, QStringLiteral("Label2"), QStringLiteral("Click your choice"), QRect(20, 50, 320, 22));
    hint->setAlignment(Qt::AlignCenter);

    struct Choice
    {
        const char *name;
        const char *caption;
        const char *toolTip;
        const char *helpFile;
    };
    const Choice choices[] = {
        {"Cmd_heart", "&Heart", "Effects of drugs on the frog heart", "heart.hlp"},
        {"Cmd_ileum", "&Ileum", "Bioassay of histamine on the guinea-pig ileum", "ileum.hlp"},
        {"Cmd_frog", "&Frog", "Effect of drugs on the frog oesophagus", "oesopha.hlp"},
        {"Cmd_rabbit", "&Rabbit", "Effects of drugs on the rabbit eye", "rabbit.hlp"},
    };
    int y = 84;
    for (const Choice &c : choices) {
        auto *b = Controls::button(this, QString::fromLatin1(c.name), QString::fromLatin1(c.caption),
                                   QRect(100, y, 160, 36), QString::fromLatin1(c.toolTip));
        const QString helpFile = QString::fromLatin1(c.helpFile);
        connect(b, &QPushButton::clicked, this, [this, helpFile] { openInstructions(helpFile); });
        y += 46;
    }
    auto *back
        = Controls::button(this, QStringLiteral("Command5"), QStringLiteral("Retur&N"), QRect(100, y + 10, 160, 36));
    connect(back, &QPushButton::clicked, this, [] {
        WindowRegistry::unload(WindowNames::Instructions);
        WindowRegistry::show(WindowNames::Selection);
    });
}

void Frm_instruct::load()
{
    CentreForm(this);
}

void Frm_instruct::unloaded()
{
    if (!ProgramEnd::hasEnded())
        WindowRegistry::show(WindowNames::Selection);
}

void Frm_instruct::openInstructions(const QString &helpFile)
{
    CmnD_instruct->setHelpFile(helpFile);
    CmnD_instruct->showHelp();
}
