#include "ileum/model/contraction_trace.h"

namespace ileum::ContractionTrace {

PaperFont labelFont()
{
    return {QStringLiteral("MS Sans Serif"), 8.25};
}

QVector<PaperCommand> injectionTrace(int paperWidth, qint16 baseline, std::optional<qint16> peak,
                                     const QString &label)
{
    const int W = paperWidth;
    const int b = baseline;
    QVector<PaperCommand> trace;
    trace.append(PaperLine{W - 50, b, W - 30, b});
    if (peak) {
        const int P = *peak;
        // The rise, the vertical fall of the wash, and an arc 20 pixels wide
        // capping both 10 pixels above the peak.
        trace.append(PaperLine{W - 70, b, W - 66, P - 3});
        trace.append(PaperLine{W - 51, b, W - 51, P});
        trace.append(PaperArc{W - 59, P + 20, 30.0, 3.0, 0.7, 2.4});
    } else {
        trace.append(PaperArc{W - 60, b, 10.0, 0.4, 0.2, 3.3});
    }
    trace.append(PaperText{W - 70, b + 10, labelFont(), label});
    return trace;
}

} // namespace ileum::ContractionTrace
