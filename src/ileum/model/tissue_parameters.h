#pragma once

#include <QtGlobal>

// The hidden parameters of the ileum strip, each drawn from one uniform
// number r in [0, 1) in single precision.
namespace ileum::TissueParameters {

// Sensitivity k = Int(41 r + 10) / 10: one of 1.0, 1.1, ..., 5.0.
float drawSensitivity();
// ZeroLevel z = Int(7 r + (b - 6)): the y a zero response would reach, at
// most 6 pixels above the baseline b.
qint16 drawZeroLevel(qint16 baseline);
// MatchVolume m = Int(31 r + 20) / 100: the volume of unknown (ml) that
// matches the standard, one of 0.20, 0.21, ..., 0.50.
float drawMatchVolume();

} // namespace ileum::TissueParameters
