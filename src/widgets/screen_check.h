#pragma once

class QWidget;

namespace ScreenCheck {

// Warns when the screen cannot show the 800 x 600 design whole at the
// program's scale (a screen too small, or a scale too large for it). Answering
// No ends the program at once and returns false; Yes (or a screen that holds
// the design) returns true.
bool confirmScreen(QWidget *parent);

} // namespace ScreenCheck
