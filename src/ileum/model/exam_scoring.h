#pragma once

#include "ileum/model/ileum_state.h"

#include <QString>

// The scoring of an ileum examination: the student's concentration against
// the true one handed in with the practical (both µg/ml).
namespace ileum {

// The student's OK: stores the box's leading number (an empty box gives 0)
// in Ileum_StudentConc and returns it.
float recordStudentConcentration(IleumPractical &practical, const QString &text);

// (actual - student) / actual x 100 in single precision: a signed percentage,
// positive when the student's value is below the true one.
float errorRatio(float actual, float student);

// What the supervisor's panel shows once the password is given.
struct SupervisorScores
{
    QString Txt_cal; // the student's value, plain single precision
    // The practical was handed in without a standard dose: blink the warning
    // instead; Txt_Act and Txt_err then keep their start text.
    bool warning = false;
    QString Txt_Act; // the true value as shown (7 significant digits)
    QString Txt_err; // the error ratio, worked out from the value as shown
};

// From Ileum_StudentConc and Ileum_ActualConc.
SupervisorScores supervisorScores(const IleumPractical &practical);

} // namespace ileum
