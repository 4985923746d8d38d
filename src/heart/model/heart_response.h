#pragma once

#include "heart/model/heart_drawing.h"
#include "heart/model/heart_run_state.h"

// What an injection does to the heart and how a drug's action ends.
namespace Heart::Response {

// The drug at the drug list's selection is injected (in Examination 1 the
// hidden unknown). The window has stopped its beat timer and, if the
// recorder was stopped, started it as Continue does; it shows the syringe,
// replays the drawing and starts the beat timer again.
//
// At rest the drug acts on its own. While another drug acts the injection
// marks the interaction, ends or brings on an ion arrest, and may be
// cancelled by its antagonist (the heart then beats at the rest levels with
// no change of rate or tone).
HeartDrawing Inject(HeartRunState &run);

// The drug's action ends (the 76th beat tick after it, or New); at rest it
// only draws a new basal rate and enables the injection again.
HeartDrawing WashOut(HeartRunState &run);

// The arrest strokes; the beat then jitters by at most 2 pixels.
void DrawCaClArrest(HeartRunState &run, HeartDrawing &out);
void DrawKClArrest(HeartRunState &run, HeartDrawing &out);

} // namespace Heart::Response
