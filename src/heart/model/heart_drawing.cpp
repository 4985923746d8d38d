#include "heart/model/heart_drawing.h"

namespace Heart {

void HeartDrawing::append(const HeartDrawing &later)
{
    paper += later.paper;
    lever += later.lever;
    if (later.indicators)
        indicators = later.indicators;
    enables += later.enables;
}

} // namespace Heart
