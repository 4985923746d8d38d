#pragma once

#include <QString>
#include <QtGlobal>

// The ileum practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace ileum {

// 0 no mode chosen, 1 Tutorial, 2 Examination (later stages count on).
extern quint8 Ileum_Mode;
// The supervisor's password, trimmed and upper-cased.
extern QString Ileum_Password;

void resetPractical();

} // namespace ileum
