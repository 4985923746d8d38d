#pragma once

#include "heart/model/heart_state.h"

#include <QString>

// How the identification window moves the heart practical from stage to stage
// and keeps the student's answers. Each answer sets Heart_Started to 0, so the
// heart window's next load reads its drugs again for the next stage.
namespace Heart::Stages {

// Every drug 1 to Heart_DrugCount has been given as an Examination 1 unknown.
bool allUnknownsGiven(const HeartPractical &practical);

// Examination 1's answer for the current unknown, recorded as given (it is
// not compared with the drug). The next load brings another unknown, or
// Examination 2 once every drug was given. False, changing nothing, when
// nothing is selected.
bool answerExam1(HeartPractical &practical, const QString &selectedText);

// Examination 2's answer; Examination 3 follows. False, changing nothing,
// when nothing is selected.
bool answerExam2(HeartPractical &practical, const QString &selectedText);

enum class Exam3Choice { None, Epinephrine, Acetylcholine };
// "Epinephrine", "Acetylcholine", or "Not Identified" when no option is set.
void answerExam3(HeartPractical &practical, Exam3Choice choice);

// New in Examination 3: a fresh heart, a new row of rates.
void startNewHeart(HeartPractical &practical);

} // namespace Heart::Stages
