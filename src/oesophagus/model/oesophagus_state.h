#pragma once

#include <QString>
#include <QtGlobal>

// The oesophagus practical's state that outlives its windows; its front page resets
// it every time it opens.
namespace Mod_Oeso {

// 0 no mode chosen, 1 Tutorial, 2 Examination (later stages count on).
extern quint8 Oeso_Mode;
// The supervisor's password, trimmed and upper-cased.
extern QString Oeso_Password;

void resetPractical();

} // namespace Mod_Oeso
