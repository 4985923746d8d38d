#include "heart/model/heart_captions.h"

#include "heart/model/heart_state.h"

namespace Heart::Captions {

QString windowCaption(Mode mode)
{
    switch (mode) {
    case Mode::Exam1:
    case Mode::Exam3: return QStringLiteral("Effects of Drugs on the Frog Heart  -   Examination Mode ");
    case Mode::Exam2: return QStringLiteral("Effects of Drugs on the Frog's Heart  -   Examination Mode ");
    default: return QStringLiteral("Effects of Drugs on the Frog Heart  -  Tutorial Mode ");
    }
}

QString directionText(Mode mode)
{
    switch (mode) {
    case Mode::Exam1:
        return QStringLiteral("EXAMINATION 1 : You are given a set of drugs numbered 1-8. Inject the drugs one "
                              "by one, observe their effects and identify them.");
    case Mode::Exam2:
        return QStringLiteral("EXAMINATION 2 : You are given an unknown drug along with known ones. Identify the "
                              "unknown drug by comparing its effects and interaction with the known drugs.");
    case Mode::Exam3:
        return QStringLiteral("EXAMINATION 3 : You are given an unknown drug. Design and carry out an experiment "
                              "to find out whether or not its effect on heart rate is comparable with Adrenaline "
                              "or ACh.");
    default:
        return QStringLiteral("TUTORIAL:  Inject drugs one by one and observe their effects  on the frog heart. "
                              "Also note how antagonists and agonists interact with each other.");
    }
}

} // namespace Heart::Captions
