#include "rabbit/model/eye_rules.h"

#include "core/numbers.h"
#include "core/random_source.h"

namespace Rab_eye::EyeRules {

namespace {

struct EyeConstants
{
    int baseHeight;
    int baseLeft;
    int baseTop;
    int baseWidth;
    int tensionBase;
    int tensionSpread; // the largest change of the tension bar above 150 twips, plus one
    double reflexWidth;
    int rulerStart;
};

const EyeConstants &constants(Eye eye)
{
    static const EyeConstants left{495, 1800, 1200, 615, 910, 251, 275, 0};
    static const EyeConstants right{495, 800, 1200, 495, 890, 350, 180, 2580};
    return eye == Eye::Left ? left : right;
}

constexpr int RightRulerLimit = 2700;

} // namespace

PupilBox baseBox(Eye eye)
{
    const EyeConstants &c = constants(eye);
    const int g = Chance::drawInRange(3, 5);
    PupilBox box;
    box.height = c.baseHeight + g;
    box.left = c.baseLeft + g;
    box.top = c.baseTop + g;
    box.width = c.baseWidth + Chance::drawInRange(5, 70);
    return box;
}

int newTensionBar(Eye eye)
{
    return constants(eye).tensionBase + Chance::drawInRange(1, 70);
}

int tensionAfter(Eye eye, QChar code, int bar)
{
    const EyeConstants &c = constants(eye);
    if (code == u'D')
        return c.tensionBase - Chance::drawInRange(150, 150 + c.tensionSpread - 1);
    if (code == u'I')
        return c.tensionBase + Chance::drawInRange(150, 150 + c.tensionSpread - 1);
    return bar;
}

qint16 drawPupilChange(const RabDrug &drug)
{
    return static_cast<qint16>(Chance::drawInRange(drug.P_size1, drug.P_size2));
}

PupilBox halfStep(const PupilBox &base, int h)
{
    return {base.height + 5.0 * h / 2.0, base.width + 5.0 * h / 2.0, base.left - 3.0 * h / 2.0, base.top - h};
}

PupilBox fullStep(const PupilBox &base, int h)
{
    return {base.height + 5.0 * h, base.width + 5.0 * h, base.left - 3.0 * h, base.top - 2.0 * h};
}

bool lightReflex(const RabDrug &drug, Eye eye, double pupilWidth)
{
    if (drug.L_Reflex == u'Y')
        return true;
    return drug.L_Reflex == u'B' && pupilWidth > constants(eye).reflexWidth;
}

bool cornealReflex(const RabDrug &drug)
{
    return drug.C_Reflex == u'Y';
}

PupilBox constricted(const PupilBox &box)
{
    const auto whole = [](double twips) { return double(Numbers::roundHalfEven(twips)); };
    return {whole(box.height) - TorchShrink, whole(box.width) - TorchShrink, whole(box.left) + TorchShift,
            whole(box.top) + TorchShift};
}

int rulerLeft(Eye eye, int pointerX)
{
    return eye == Eye::Right ? qMin(pointerX, RightRulerLimit) : pointerX;
}

int rulerStart(Eye eye)
{
    return constants(eye).rulerStart;
}

} // namespace Rab_eye::EyeRules
