#include "ileum/model/exam_scoring.h"

#include "core/numbers.h"
#include "ileum/model/ileum_state.h"
#include "ileum/model/shown_value.h"

namespace ileum {

float recordStudentConcentration(IleumPractical &practical, const QString &text)
{
    practical.Ileum_StudentConc = static_cast<float>(Numbers::leadingNumber(text));
    return practical.Ileum_StudentConc;
}

float errorRatio(float actual, float student)
{
    return (actual - student) / actual * 100.0f;
}

SupervisorScores supervisorScores(const IleumPractical &practical)
{
    SupervisorScores scores;
    scores.Txt_cal = Numbers::singleText(practical.Ileum_StudentConc);
    if (practical.Ileum_ActualConc == -1.0f) {
        scores.warning = true;
        return scores;
    }
    scores.Txt_Act = Numbers::singleText(practical.Ileum_ActualConc);
    const float actualShown = static_cast<float>(shownValue(practical.Ileum_ActualConc));
    scores.Txt_err = Numbers::singleText(errorRatio(actualShown, practical.Ileum_StudentConc));
    return scores;
}

} // namespace ileum
