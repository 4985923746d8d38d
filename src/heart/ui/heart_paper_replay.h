#pragma once

#include "heart/model/heart_drawing.h"

class ChartRecorder;

// Draws the heart's paper commands on the recorder in the order given: paper
// advances and pen steps, beat strokes 10 pixels from the paper's end, the
// marks around the pen's x, and the paper the marks consume.
namespace HeartPaperReplay {

// The pen steps and beat strokes stand this many pixels left of the paper's end.
constexpr int PenFromEnd = 10;

void replay(ChartRecorder &recorder, const QVector<Heart::PaperCommand> &commands);

} // namespace HeartPaperReplay
