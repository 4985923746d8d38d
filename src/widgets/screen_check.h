#pragma once

class QWidget;

namespace ScreenCheck {

constexpr int RequiredWidthTwips = 12000; // 800 pixels

// Warns unless the screen is exactly 800 pixels wide. Answering No ends the
// program at once and returns false; Yes (or a right screen) returns true.
bool confirmScreen(QWidget *parent);

} // namespace ScreenCheck
