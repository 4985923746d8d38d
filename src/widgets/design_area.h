#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// The 800 x 600 area the windows are laid out in, centred on the primary
// screen. On an 800 x 600 screen it is the whole screen; on a larger one the
// windows keep their places relative to it, so the practical stays together
// in the middle of the screen rather than in its corner.
namespace DesignArea {

// In logical pixels: centred on the screen's available area (the screen less
// its panels) and kept on the screen where the screen can hold it.
QRect rect();

// The design area on a screen of this geometry and available area.
QRect centredIn(const QRect &screen, const QRect &available);

// Whether the screen can show the design whole at the program's scale.
bool fitsScreen();

// Moves the window's outer corner to a point of the design area, given in
// pixels from the area's top-left corner.
void place(QWidget *window, QPoint designPoint);

} // namespace DesignArea
