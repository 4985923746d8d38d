#pragma once

#include <QString>

// The dose box's texts. The + and - buttons write the caption form, a blank
// for the sign and no zero before the point (" .8"); an injection writes the
// box back in the plain form ("0.8").
namespace ileum::DoseText {

// `Cmd_updose`: twice the box's value (worked out in double precision).
QString doubled(const QString &doseText);
// `Cmd_downdose`: half the box's value.
QString halved(const QString &doseText);
// The box read as a single-precision number and written back plainly; an
// empty box becomes "0".
QString normalised(const QString &doseText);

} // namespace ileum::DoseText
