#pragma once

#include "ileum/model/paper_commands.h"

#include <QStringList>
#include <QVector>

// The ileum's drawing commands as short lines of text, so a test can compare
// a whole trace as a table and a failure shows what was drawn:
//   "line 487,185 507,185", "arc 478,181 r30 a3 0.7..2.4",
//   "text 467,195 MS Sans Serif 8.25: 0.8".
QString commandText(const ileum::PaperCommand &command);
QStringList commandTexts(const QVector<ileum::PaperCommand> &commands);
