#pragma once

#include <optional>

// The one scale of the whole program, chosen before the application object
// exists (Qt reads it then, and scales every window, font, picture and the
// pointer with it).
namespace DisplayScale {

// A factor chosen by the user (--scale, or QT_SCALE_FACTOR or
// QT_SCREEN_SCALE_FACTORS in the environment) is kept: --scale wins over the
// environment. Otherwise the primary screen is read and the largest factor at
// which the 800 x 600 design fits its available area is set.
void chooseBeforeStart(int argc, char **argv, std::optional<double> userScale);

} // namespace DisplayScale
