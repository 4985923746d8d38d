#pragma once

#include "core/recorder/paper_commands.h"

#include <QString>
#include <QStringList>

// The paper commands as short lines of text, so a test compares a whole
// drawing as a table and a failure shows what was drawn:
//   "advance 1", "pen 74-45", "stroke 53-83", "used 3",
//   "mark ink: -45,100 b10 ^; -43,102 b10 |; -50,123 r8 95HR" (each text's
//   offset from the pen x, y, bold or regular and points, text),
//   "line 487,185 507,185", "arc 478,181 r30 a3 0.7..2.4" (centre, radius,
//   aspect, start and end angles),
//   "text 467,195 MS Sans Serif 8.25: 0.8" (a bold face adds " bold" after
//   the points).
namespace PaperText {

QString line(const Paper::Command &command);
QStringList lines(const Paper::Commands &commands);

} // namespace PaperText
