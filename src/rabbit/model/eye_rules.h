#pragma once

#include "core/database/rab_drugs.h"

#include <QtGlobal>

// How a drug acts on the rabbit's eye: the pupil drawn as a box in the eye's
// close-up view, the light and corneal reflexes, and the intraocular tension
// bar. Positions and sizes are twips; one unit of pupil change is 5 twips of
// diameter. Draws go through the chance seam.
namespace Rab_eye {

enum class Eye { Left = 0, Right = 1 };

// A pupil's box; the pupil is the circle inscribed in it. Steps of an
// instillation keep fractions of a twip.
struct PupilBox
{
    double height = 0;
    double width = 0;
    double left = 0;
    double top = 0;

    bool operator==(const PupilBox &) const = default;
};

namespace EyeRules {

// The light reflex constricts a pupil by this much while the torch is on it.
constexpr int TorchShrink = 75;
constexpr int TorchShift = 30;

// A new rabbit's pupil box of one eye: the left eye 498 to 500 twips high
// and 620 to 685 wide, the right eye as high and 500 to 565 wide.
PupilBox baseBox(Eye eye);
// A new rabbit's tension bar: left 911 to 980 twips, right 891 to 960.
int newTensionBar(Eye eye);
// The bar once a drug with this tension code has acted: "D" shorter, "I"
// longer, any other code leaves the bar as it is.
int tensionAfter(Eye eye, QChar code, int bar);

// The pupil change of one instillation: a whole number from P_size1 to P_size2.
qint16 drawPupilChange(const RabDrug &drug);
// Half-way and full pupil boxes of an instillation with change h, always
// measured from the eye's base box.
PupilBox halfStep(const PupilBox &base, int h);
PupilBox fullStep(const PupilBox &base, int h);

// "Y" always reacts to light; "B" only while the pupil box is wider than
// 275 twips (left) or 180 twips (right).
bool lightReflex(const RabDrug &drug, Eye eye, double pupilWidth);
// The eye blinks at the cotton wool only for "Y".
bool cornealReflex(const RabDrug &drug);
// The pupil the torch leaves: the box in whole twips, 75 smaller, moved 30
// right and down so it shrinks about its centre.
PupilBox constricted(const PupilBox &box);

// Where a ruler dragged to pointer x (twips in its view) lies: the right
// ruler stops at 2700, the left one follows anywhere.
int rulerLeft(Eye eye, int pointerX);
// Where each new rabbit's rulers lie.
int rulerStart(Eye eye);

} // namespace EyeRules
} // namespace Rab_eye
