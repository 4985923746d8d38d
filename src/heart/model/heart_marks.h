#pragma once

#include "core/recorder/paper_commands.h"

#include <QString>

// The marks the heart prints on the recorder paper at injections and
// wash-outs, and the stroke sequences of the two ion arrests and their
// recoveries.
namespace Heart::Marks {

Paper::Font boldFont(double pointSize);
Paper::Font regularFont(double pointSize);

// An injection while no drug acts, in the highlight colour: an arrow from the
// top with the basal rate ("72BHR") and an arrow from below over the drug's
// label. basalText is the basal-rate box's text.
Paper::Mark injectionMark(const QString &basalText, const QString &drugLabel);
// An injection while another drug acts, in the ink colour: an arrow from below
// with the previous drug's rate ("85HR") beside the injection's own arrow and
// label.
Paper::Mark interactionMark(quint8 LastRate, const QString &drugLabel);
// A wash-out after a drug, in the ink colour: an arrow from below with the
// peak rate ("85HR"). peakText is the peak-rate box's text.
Paper::Mark endMark(const QString &peakText);

// Four pen steps each. A recovery adds 3 to the paper used before its first
// step; an arrest adds 4 after its first step.
Paper::Commands calciumArrest();
Paper::Commands potassiumArrest();
Paper::Commands calciumRecovery();
Paper::Commands potassiumRecovery();

} // namespace Heart::Marks
