#pragma once

#include <QString>
#include <QtGlobal>

// The ileum practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace ileum {

// 0 no mode chosen, 1 Tutorial, 2 Examination (later stages count on).
extern quint8 Ileum_Mode;
// True concentration of the unknown in µg/ml, stored when the examination is
// handed in; -1 when it was handed in without an accepted standard dose.
extern float Ileum_ActualConc;
// The concentration the student enters in the scoring window, µg/ml.
extern float Ileum_StudentConc;
// The supervisor's password, trimmed and upper-cased.
extern QString Ileum_Password;
// 0 until the experiment window has set up its recorder in this practical.
extern quint8 Ileum_RecorderReady;

void resetPractical();

} // namespace ileum
