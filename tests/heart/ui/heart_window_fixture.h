#pragma once

#include "heart/ui/frm_heart.h"
#include "shell/shell_fixture.h"

#include <QColor>
#include <QRect>
#include <QString>

class FrontPage;
class PaperImage;

// The real heart windows driven from their front page, with chance, the clock
// and the message boxes in the test's hands and every timer left to the test.
namespace HeartWindowFixture {

// Defines the shell's and the heart's windows and points the program's file
// look-ups at the build's run folder.
void setUp();

// The heart practical the windows work on.
Heart::HeartPractical &practical();

FrontPage *showFrontPage();
// The front page's Tutorial; the heart window it opens, or nullptr.
Frm_Heart *startTutorial();
// The front page's Examination with the supervisor's password.
Frm_Heart *startExamination(const QString &password);
Frm_Heart *heartWindow();

// n beat ticks, as Timer_Heart gives them.
void ticks(Frm_Heart *window, int n);
// The 76 ticks that bring the first wash-out and enable Inject.
void settle(Frm_Heart *window);
// Chooses list position p as the student does, then clicks Inject.
void inject(Frm_Heart *window, int p);
// One lever tick and the whole swing it starts, step by step.
void swingLever(Frm_Heart *window);

using WindowProbe::click;
using WindowProbe::control;
using WindowProbe::enabled;
using WindowProbe::shown;
using WindowProbe::text;

QColor paperPixel(const PaperImage &paper, int x, int y);
// How many pixels inside the area are not the paper's colour.
int markedPixels(const PaperImage &paper, const QRect &area);

} // namespace HeartWindowFixture
