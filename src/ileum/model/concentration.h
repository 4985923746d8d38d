#pragma once

#include <QString>

// The concentration of the unknown: standard dose (µg) over the volume of
// unknown (ml) that matches it.
namespace ileum {

// The true value S / m µg/ml, in single precision, m being the matching
// volume drawn when S was accepted.
float trueConcentration(double standardDose, float matchVolume);

// What the Tutorial's Compute shows for the standard-dose box and the
// student's matching-volume box `Txt_cal`.
struct ComputedConcentration
{
    // False when the volume box is blank or reads as 0: show
    // Messages::InvalidMatchingVolume, keep the panel open and put the focus
    // back in the box; the texts below are then empty.
    bool computed = false;
    QString txt_con;    // the concentration, plain single precision: "1.25"
    QString Label_cons; // the sum it comes from: "0.4/0.32 = "
};

ComputedConcentration computeConcentration(const QString &standardText, const QString &volumeText);

} // namespace ileum
