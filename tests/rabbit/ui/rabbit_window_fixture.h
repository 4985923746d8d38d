#pragma once

#include "rabbit/ui/frm_rabbit.h"
#include "shell/shell_fixture.h"

#include <QPoint>
#include <QString>

// The real rabbit windows driven from their front page, with chance, the
// clock and the message boxes in the test's hands and every timer left to
// the test.
namespace RabbitWindowFixture {

// Defines the shell's and the rabbit's windows and points the program's file
// look-ups at the build's run folder.
void setUp();
Rab_eye::RabPractical &practical();

Frm_Rabbit *startTutorial();
// The front page's Examination with the supervisor's password.
Frm_Rabbit *startExamination(const QString &password);
Frm_Rabbit *rabbitWindow();

// Instill Drug (or Instill Saline) and the eye's button.
void instil(Frm_Rabbit *window, Rab_eye::Eye eye, bool saline = false);
// n ticks of a timer, as it gives them.
void tick(QTimer *timer, int n = 1);
// The pointer moved to a point of a control, with or without the left button.
void movePointer(QWidget *control, QPoint at, bool leftButton = false);
// A click at a point of a control, as the pointer gives it.
void clickAt(QWidget *control, QPoint at);

using WindowProbe::click;
using WindowProbe::control;
using WindowProbe::enabled;
using WindowProbe::shown;
using WindowProbe::text;

} // namespace RabbitWindowFixture
