#pragma once

#include "oesophagus/ui/frm_oesophagus.h"
#include "shell/shell_fixture.h"

#include <QPoint>
#include <QString>

// The real oesophagus windows driven from their front page, with chance, the
// clock and the message boxes in the test's hands, every timer left to the
// test and the seed drag taken by the fixture instead of the platform.
namespace OesoWindowFixture {

// Defines the shell's and the oesophagus's windows, points the program's file
// look-ups at the build's run folder and takes every seed drag.
void setUp();

Mod_Oeso::OesoPractical &practical();

Frm_Oesophagus *startTutorial();
Frm_Oesophagus *startExamination(const QString &password);
Frm_Oesophagus *oesophagusWindow();

// What the last drag carried ("seed"), and how many drags were started.
QString lastDragged();
int dragsStarted();
bool lastIconDrawn();

// A press on the seed pile, as the student picks a seed.
void pickSeed(Frm_Oesophagus *window);
// A drop on the frog picture at a point of it (pixels), carrying `mimeType`
// (the program's own type by default) with `text`.
void dropAt(Frm_Oesophagus *window, const QPoint &point, const QString &mimeType = QString(),
            const QByteArray &data = "seed");
// Picks a seed and drops it on the upper end of the oesophagus.
void placeSeed(Frm_Oesophagus *window);
// Seed ticks until the seed arrives, with a monitor tick for every second
// of its travel; the seed ticks given.
int runSeed(Frm_Oesophagus *window);
void timeout(QTimer *timer, int times = 1);

using WindowProbe::click;
using WindowProbe::control;
using WindowProbe::enabled;
using WindowProbe::shown;
using WindowProbe::text;

} // namespace OesoWindowFixture
