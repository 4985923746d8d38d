#pragma once

#include "core/passwords.h"

#include <QString>
#include <QtGlobal>

namespace Rab_eye {

// What the practical is doing, as Rab_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Examination = 2,
};

// The rabbit practical's state that outlives its windows: one instance,
// owned by the program. The front page starts every practical afresh by
// assigning a new one.
struct RabPractical
{
    Mode Rab_Mode = Mode::None;
    // The supervisor's password in a fixed field of ten characters, blank-padded.
    QString Rab_Password = Passwords::fixedField(QString());
};

} // namespace Rab_eye
