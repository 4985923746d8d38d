#pragma once

#include <QString>

// The ileum's refusals of a dose, each shown with an OK button, no icon and
// the application's title; the focus then goes back into the box concerned.
namespace ileum::Messages {

// Inject, or Unknown, with a dose box that reads as 0.
inline const QString InvalidInjectionDose = QStringLiteral(" Invalid Dose  Enter a Proper Dose ");
// OK of the standard-dose frame with an empty box or one that reads as 0.
inline const QString InvalidStandardDose = QStringLiteral(" Invalid Dose.  Enter a Proper Dose ");
// Compute with no matching volume, or one that reads as 0.
inline const QString InvalidMatchingVolume = QStringLiteral(" Invalid Dose. Enter a Proper Dose ");

} // namespace ileum::Messages
