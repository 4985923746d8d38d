#include "oesophagus/ui/frm_oeso_quest.h"

#include "widgets/controls.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 440;

// The runs of blanks only wrap the long questions onto two lines.
const char *const Questions[] = {
    "1.  Enumerate the sites in the body where ciliary movements play an  important                          role?",
    "2.  What are the actions of ACh on gastrointestinal tract (GIT)?",
    "3.  Mention a few uses of cholinergic and anticholinergic  drugs?",
    "4.  Enumerate the uses of atropine and its derivatives in gastrointestinal                     disorders?",
    "5.  Enumerate the drugs other than cholinergics and  anticholinergics used in GIT               disorders?",
    "6.  Explain  the rationale behind  the use of anticholinesterases in myaesthenia           gravis?",
};

} // namespace

Frm_Oeso_Quest::Frm_Oeso_Quest()
    : FormWindow(WindowNames::OesoQuestion)
{
    setWindowTitle(QStringLiteral("Vivosim - Oesophagus T1.00"));
    setClientSize(ClientWidth, ClientHeight);
    QGroupBox *frame = Controls::frame(this, QStringLiteral("Frame_Questions"),
                                       QStringLiteral(" Answer The Follwing Questions "), QRect(10, 8, 620, 364));
    Controls::setFont(frame, 10, true);
    int y = 32;
    int number = 1;
    for (const char *question : Questions) {
        QLabel *label = Controls::label(frame, QStringLiteral("Label_Q%1").arg(number++), QString::fromLatin1(question),
                                        QRect(16, y, 592, 48));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        Controls::setFont(label, 10);
        y += 54;
    }
    QPushButton *back = Controls::button(this, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                                         QRect(180, 384, 120, 40), QStringLiteral("Return to experiment"));
    QPushButton *ok = Controls::button(this, QStringLiteral("Cmd_Done1"), QStringLiteral("&Ok"),
                                       QRect(340, 384, 120, 40), QStringLiteral("Exit to menu"));
    for (QPushButton *button : {back, ok})
        Controls::setFont(button, 10, true);
    connect(back, &QPushButton::clicked, this, &Frm_Oeso_Quest::cmdBack_Click);
    connect(ok, &QPushButton::clicked, this, &Frm_Oeso_Quest::Cmd_Done1_Click);
}

void Frm_Oeso_Quest::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
}

void Frm_Oeso_Quest::cmdBack_Click()
{
    WindowRegistry::show(WindowNames::Oesophagus);
    WindowRegistry::unload(objectName());
}

void Frm_Oeso_Quest::Cmd_Done1_Click()
{
    WindowRegistry::show(WindowNames::OesoFront);
    WindowRegistry::unload(WindowNames::Oesophagus);
    WindowRegistry::unload(objectName());
}
