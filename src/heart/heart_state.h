#pragma once

#include <QString>
#include <QtGlobal>

// The heart practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace Heart {

// 0 no mode chosen, 1 Tutorial, 2 Examination (later stages count on).
extern quint8 Heart_Mode;
// The supervisor's password in a fixed field of ten characters, blank-padded.
extern QString Heart_Password;
// 1 once the heart window has read its drugs for the current stage.
extern quint8 Heart_Started;

void resetPractical();

} // namespace Heart
