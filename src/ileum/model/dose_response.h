#pragma once

#include <QtGlobal>

// From the effective dose x (µg, sensitivity included) to the height of the
// contraction on the paper (pixels, y growing downwards).
namespace ileum {

// The highest y a contraction's peak may reach.
constexpr qint16 HighestPeak = 20;

// The response step R = Int(10 |ln x|), ln x taken in single precision and
// shown to 7 significant digits: ten per whole unit of |ln x| plus its first
// decimal digit. x = 1 gives 0.
double Caclulate_Resp(float x);

// The y the contraction rises to: z - (Int(x) + R), 7 pixels lower for a dose
// box value D of 0.06 to 0.09 and 12 lower for 0.03 to 0.05, then kept
// between HighestPeak and the baseline b (rounded, halves to even).
qint16 ContractionPeak(float x, double D, qint16 z, qint16 b);

// In the dose-response phase a dose below 0.03 µg makes no contraction, only
// a small hump on the baseline.
bool givesOnlyHump(bool matchMode, double D);

} // namespace ileum
