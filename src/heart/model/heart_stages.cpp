#include "heart/model/heart_stages.h"

#include "heart/model/heart_state.h"

namespace Heart::Stages {

bool allUnknownsGiven()
{
    for (int i = 1; i <= Heart_DrugCount; ++i) {
        if (Heart_UnknownUsed.at(i) == 0)
            return false;
    }
    return true;
}

bool answerExam1(const QString &selectedText)
{
    if (selectedText.trimmed().isEmpty())
        return false;
    Heart_Exam1Results[Heart_UnknownNo].Identified = selectedText;
    Heart_Mode = allUnknownsGiven() ? Exam2Mode : Exam1Mode;
    Heart_Started = 0;
    Heart_Exam2Count = 0;
    return true;
}

bool answerExam2(const QString &selectedText)
{
    const QString answer = selectedText.trimmed();
    if (answer.isEmpty())
        return false;
    Heart_Mode = Exam3Mode;
    Heart_Exam2Answer = answer;
    Heart_Started = 0;
    return true;
}

void answerExam3(Exam3Choice choice)
{
    switch (choice) {
    case Exam3Choice::Epinephrine: Heart_Exam3Answer = QStringLiteral("Epinephrine"); break;
    case Exam3Choice::Acetylcholine: Heart_Exam3Answer = QStringLiteral("Acetylcholine"); break;
    case Exam3Choice::None: Heart_Exam3Answer = QStringLiteral("Not Identified"); break;
    }
}

void startNewHeart()
{
    // The heart number is a byte; at 255 the last row takes every later heart
    // rather than the count wrapping round and dropping every row.
    if (Heart_HeartNo == 255)
        return;
    ++Heart_HeartNo;
    Heart_Exam3Rates.resize(Heart_HeartNo + 1);
}

} // namespace Heart::Stages
