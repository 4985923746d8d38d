#pragma once

#include <QString>

namespace Heart {

// The texts and the drug-level bar the heart window shows as the model sets
// them; the window copies them to its controls after each call. While the
// recorder is stopped, `lbl_warning` on screen belongs to the recorder.
struct HeartReadouts
{
    QString Txt_BHR;          // the basal rate, beats/min
    QString TxtHR_Drug;       // the rate during peak drug action
    QString Txt_Dose;         // the chosen drug's dose
    QString Lab_drugname;     // the drug now acting; "None" at rest
    QString Lab_DDose;        // the dose unit
    QString lbl_lastdrug;     // the previous drug injected
    QString lbl_warning;      // the help line
    QString lbl_unkdrug;      // Examination 1: the unknown's number
    float ProBar_Time = 0.0f; // "Current Drug Level", 0 to 100
};

} // namespace Heart
