#include "heart/model/heart_stages.h"

#include "heart/model/heart_state.h"

namespace Heart::Stages {

bool allUnknownsGiven(const HeartPractical &practical)
{
    for (int i = 1; i <= practical.Heart_DrugCount; ++i) {
        if (practical.Heart_UnknownUsed.at(i) == 0)
            return false;
    }
    return true;
}

bool answerExam1(HeartPractical &practical, const QString &selectedText)
{
    if (selectedText.trimmed().isEmpty())
        return false;
    practical.Heart_Exam1Results[practical.Heart_UnknownNo].Identified = selectedText;
    practical.Heart_Mode = allUnknownsGiven(practical) ? Mode::Exam2 : Mode::Exam1;
    practical.Heart_Started = 0;
    practical.Heart_Exam2Count = 0;
    return true;
}

bool answerExam2(HeartPractical &practical, const QString &selectedText)
{
    const QString answer = selectedText.trimmed();
    if (answer.isEmpty())
        return false;
    practical.Heart_Mode = Mode::Exam3;
    practical.Heart_Exam2Answer = answer;
    practical.Heart_Started = 0;
    return true;
}

void answerExam3(HeartPractical &practical, Exam3Choice choice)
{
    switch (choice) {
    case Exam3Choice::Epinephrine: practical.Heart_Exam3Answer = QStringLiteral("Epinephrine"); break;
    case Exam3Choice::Acetylcholine: practical.Heart_Exam3Answer = QStringLiteral("Acetylcholine"); break;
    case Exam3Choice::None: practical.Heart_Exam3Answer = QStringLiteral("Not Identified"); break;
    }
}

void startNewHeart(HeartPractical &practical)
{
    // The heart number is a byte; at 255 the last row takes every later heart
    // rather than the count wrapping round and dropping every row.
    if (practical.Heart_HeartNo == 255)
        return;
    ++practical.Heart_HeartNo;
    practical.Heart_Exam3Rates.resize(practical.Heart_HeartNo + 1);
}

} // namespace Heart::Stages
