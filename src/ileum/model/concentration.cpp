#include "ileum/model/concentration.h"

#include "core/numbers.h"

namespace ileum {

float trueConcentration(double standardDose, float matchVolume)
{
    return static_cast<float>(standardDose / matchVolume);
}

ComputedConcentration computeConcentration(const QString &standardText, const QString &volumeText)
{
    ComputedConcentration result;
    // A volume that reads as 0 is refused like a blank box: the concentration
    // would be infinite.
    const double volume = Numbers::leadingNumber(volumeText);
    if (volumeText.trimmed().isEmpty() || volume == 0.0)
        return result;
    const double standard = Numbers::leadingNumber(standardText);
    result.computed = true;
    result.txt_con = Numbers::singleText(static_cast<float>(standard / volume));
    result.Label_cons = standardText + QLatin1Char('/') + volumeText + QLatin1String(" = ");
    return result;
}

} // namespace ileum
