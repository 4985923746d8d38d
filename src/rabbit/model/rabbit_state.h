#pragma once

#include <QString>
#include <QtGlobal>

// The rabbit practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace Rab_eye {

// 0 no mode chosen, 1 Tutorial, 2 Examination (later stages count on).
extern quint8 Rab_Mode;
// The supervisor's password in a fixed field of ten characters, blank-padded.
extern QString Rab_Password;

void resetPractical();

} // namespace Rab_eye
