#include "heart/model/heart_beat.h"

#include "core/random_source.h"
#include "heart/model/heart_response.h"

namespace Heart::Beat {

HeartDrawing tick(HeartRunState &run)
{
    HeartDrawing out;
    out.paper.append(Paper::Advance{1});

    if (run.TickCount == PeakTick && run.DrugRate != 0)
        run.readouts.TxtHR_Drug = QString::number(run.DrugRate);
    // The bar stops at its minimum of 0.
    if (run.readouts.ProBar_Time != 0.0f)
        run.readouts.ProBar_Time = qMax(0.0f, run.readouts.ProBar_Time - DrugLevelFall);
    if (run.TickCount == WashOutTick)
        out.append(Response::WashOut(run));
    ++run.TickCount;

    const int jitter = Chance::drawInRange(1, run.JitterRange);
    out.paper.append(Paper::Stroke{run.TraceTop + jitter, run.TraceBottom + jitter});
    run.lever.followStroke(run.TraceTop, run.TraceBottom);
    return out;
}

} // namespace Heart::Beat
