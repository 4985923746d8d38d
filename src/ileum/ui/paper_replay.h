#pragma once

#include "ileum/model/paper_commands.h"

#include <QVector>

class PaperWidget;

// Draws an injection's trace on the recorder paper, in the given order.
void replayOnPaper(PaperWidget *paper, const QVector<ileum::PaperCommand> &commands);
