#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

// The program's windows are laid out for an 800 x 600 screen, the design. On a
// larger screen the whole program is shown larger by one factor, chosen when
// it starts, so that the design fills as much of the screen as it can.
namespace DesignScale {

constexpr QSize DesignSize{800, 600}; // pixels

// Fitted factors are rounded down to a whole number of twentieths, so that a
// 1920 x 1080 screen gets 1.8 rather than 1.79999.
constexpr int StepsPerUnit = 20;

// The largest factor, in steps of 1/StepsPerUnit, at which the design fits
// the available area (logical pixels: the screen less its panels). A screen
// that holds the design at its own size never gets less than 1, nor does one
// too small for it: shrinking the layout would only make it unreadable.
double fittedFactor(QSizeF available);

// A factor given by the user on the command line: a number from 0.5 to 8.
// Anything else is refused (no value).
std::optional<double> parseFactor(const QString &text);

// Whether the design, shown at the chosen factor, fits a screen of this size
// in logical pixels.
bool holdsDesign(QSize logicalScreen);

} // namespace DesignScale
