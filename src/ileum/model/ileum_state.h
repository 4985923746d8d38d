#pragma once

#include <QString>
#include <QtGlobal>

namespace ileum {

// What the practical is doing, as Ileum_Mode holds it.
enum class Mode : quint8 {
    None = 0,
    Tutorial = 1,
    Examination = 2,
};

// The ileum practical's state that outlives its windows: one instance, owned
// by the program and handed to each window and model that needs it. The
// front page starts every practical afresh by assigning a new one.
struct IleumPractical
{
    Mode Ileum_Mode = Mode::None;
    // True concentration of the unknown in µg/ml, stored when the examination
    // is handed in; -1 when it was handed in without an accepted standard dose.
    float Ileum_ActualConc = 0.0f;
    // The concentration the student enters in the scoring window, µg/ml.
    float Ileum_StudentConc = 0.0f;
    // The supervisor's password, trimmed and upper-cased.
    QString Ileum_Password;
    // 0 until the experiment window has set up its recorder in this practical.
    quint8 Ileum_RecorderReady = 0;
};

} // namespace ileum
