#include "ileum/model/contraction_trace.h"

namespace ileum::ContractionTrace {

Paper::Font labelFont()
{
    return {QStringLiteral("MS Sans Serif"), 8.25};
}

Paper::Commands injectionTrace(int paperWidth, qint16 baseline, std::optional<qint16> peak, const QString &label)
{
    const int W = paperWidth;
    const int b = baseline;
    Paper::Commands trace;
    trace.append(Paper::Line{W - 50, b, W - 30, b});
    if (peak) {
        const int P = *peak;
        // The rise, the vertical fall of the wash, and an arc 20 pixels wide
        // capping both 10 pixels above the peak.
        trace.append(Paper::Line{W - 70, b, W - 66, P - 3});
        trace.append(Paper::Line{W - 51, b, W - 51, P});
        trace.append(Paper::Arc{W - 59, P + 20, 30.0, 3.0, 0.7, 2.4});
    } else {
        trace.append(Paper::Arc{W - 60, b, 10.0, 0.4, 0.2, 3.3});
    }
    trace.append(Paper::Text{W - 70, b + 10, labelFont(), label});
    return trace;
}

} // namespace ileum::ContractionTrace
