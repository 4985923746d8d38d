#pragma once

#include "ileum/model/contraction_trace.h"

#include <QString>

// The measuring ruler `Picture1` lying on the paper (not part of the
// recording): its size, its divisions and where it stands. While it is
// dragged over the paper its left edge follows the pointer's x; its top never
// changes.
namespace ileum::Ruler {

constexpr int Width = 19;
constexpr int Height = 221;
constexpr double DivisionCentimetres = 0.25;
// A division in pixels at the design resolution of 96 pixels an inch.
constexpr double DivisionPixels = DivisionCentimetres / 2.54 * 96.0;
inline const QString ToolTip = QStringLiteral("Drag to measure. 1 division = 0.25cm.");

// How far the ruler stands left of the paper's right-hand end after a load
// and after each injection.
constexpr int DistanceFromEnd = 25;

constexpr int leftAfterLoad(int paperWidth)
{
    return paperWidth - DistanceFromEnd;
}

// Placed before the injection's advance, from the width before it, so that
// the advance leaves it DistanceFromEnd pixels left of the end again.
constexpr int leftBeforeInjection(int paperWidth)
{
    return leftAfterLoad(paperWidth + ContractionTrace::PaperStep);
}

} // namespace ileum::Ruler
