#pragma once

#include <QString>
#include <QtGlobal>

namespace Mod_Oeso {

// What the practical is doing, as Oeso_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Examination = 2,
};

// The oesophagus practical's state that outlives its windows: one instance,
// owned by the program. The front page starts every practical afresh by
// assigning a new one.
struct OesoPractical
{
    Mode Oeso_Mode = Mode::None;
    // The supervisor's password, trimmed and upper-cased.
    QString Oeso_Password;
};

} // namespace Mod_Oeso
