#pragma once

#include "heart/model/heart_drawing.h"
#include "heart/model/heart_run_state.h"

// The beat timer `Timer_Heart`, 100 ms: one stroke of the trace per tick, so
// the paper moves 10 pixels a second.
namespace Heart::Beat {

constexpr int TickMs = 100;
constexpr quint8 PeakTick = 40;    // the count the 41st tick after an injection finds
constexpr quint8 WashOutTick = 75; // the count the 76th tick finds
constexpr float DrugLevelFall = 1.25f;

// One tick, once the window has hidden the syringe and found the paper not
// full (the paper-full question ends a tick before this): the paper moves on
// a pixel, the peak rate shows on the 41st tick after an injection, the
// drug-level bar falls, the 76th tick washes the drug out, and the beat stroke
// is drawn with a random offset of 1 to JitterRange pixels. The lever's swing
// follows the stroke.
HeartDrawing tick(HeartRunState &run);

} // namespace Heart::Beat
