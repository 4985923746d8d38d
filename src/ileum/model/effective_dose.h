#pragma once

// The dose the ileum strip responds to, before the tissue's sensitivity
// multiplies it: the injected amount (µg) plus the step of the offset table.
namespace ileum::EffectiveDoses {

// x with the offset table's step for v: v up to 0.19 adds 1, 0.2 to 0.3 adds
// 1.3, 0.31 to 0.7 adds 1.5, 0.71 to 1 adds 1.7, 1.1 to 5 adds 1.9, 5.1 to 15
// adds 2, and 15.1 to 17 makes x 17.1. Any other v, above 17 or in the gaps
// between the rows (0.19 to 0.2, 0.3 to 0.31, ...), leaves x as it is.
float withOffset(double x, double v);

// A known dose D (µg), looked up with D itself.
float knownDose(double D);
// A volume D (ml) of the unknown: S x D / m µg, kept in single precision and
// looked up as shown, S being the standard dose (µg) and m the matching
// volume (ml) drawn when S was accepted.
float unknownVolume(double S, double D, float m);
// A dose x0 given by a standard button (S, S / 2 or 2 S), looked up as shown.
float standardDose(float x0);

} // namespace ileum::EffectiveDoses
