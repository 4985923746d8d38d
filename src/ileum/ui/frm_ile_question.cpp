#include "ileum/ui/frm_ile_question.h"

#include "widgets/controls.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 600;
constexpr int ClientHeight = 330;

} // namespace

Frm_Ile_Question::Frm_Ile_Question()
    : FormWindow(WindowNames::IleumQuestion)
{
    setWindowTitle(QStringLiteral(" Vivosim - Ileum T1.00"));
    setClientSize(ClientWidth, ClientHeight);

    QGroupBox *frame = Controls::frame(this, QStringLiteral("Frame_TutQuestions"),
                                       QStringLiteral("Answer the following questions"), QRect(12, 10, 576, 250));
    Controls::setFont(frame, 11, true);
    const char *const questions[] = {
        "1.  Define bioassay.  What is its importance ? ",
        "2.  What are the other types of assays you know of ? ",
        "3.  Name some modern instruments which are used to  assay the              concentration of drugs in "
        "body fluids such as blood ?",
        "4. What are the actions of histamine on the gastrointestinal tract ?",
    };
    const int heights[] = {36, 36, 64, 36};
    int top = 34;
    for (int i = 0; i < 4; ++i) {
        QLabel *question = Controls::label(frame, QStringLiteral("Lab_Question%1").arg(i + 1),
                                           QString::fromLatin1(questions[i]), QRect(20, top, 536, heights[i]));
        Controls::setFont(question, 11);
        top += heights[i] + 14;
    }

    QPushButton *ok
        = Controls::button(this, QStringLiteral("Cmd_Done1"), QStringLiteral("&Ok"), QRect(170, 278, 110, 36));
    QPushButton *back
        = Controls::button(this, QStringLiteral("Cmd_return"), QStringLiteral("&Return"), QRect(320, 278, 110, 36));
    Controls::setFont(ok, 10, true);
    Controls::setFont(back, 10, true);
    connect(ok, &QPushButton::clicked, this, &Frm_Ile_Question::Cmd_Done1_Click);
    connect(back, &QPushButton::clicked, this, &Frm_Ile_Question::Cmd_return_Click);
}

void Frm_Ile_Question::load()
{
    CentreForm(this);
    RemoveCloseMenu(this);
}

void Frm_Ile_Question::Cmd_Done1_Click()
{
    // The front page comes first, so the program never finds itself without
    // a window (its load closes the experiment window too).
    WindowRegistry::show(WindowNames::IleumFront);
    WindowRegistry::unload(WindowNames::Ileum);
    WindowRegistry::unload(objectName());
}

void Frm_Ile_Question::Cmd_return_Click()
{
    WindowRegistry::show(WindowNames::Ileum);
    WindowRegistry::unload(objectName());
}
