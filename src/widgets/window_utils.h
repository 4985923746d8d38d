#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

class QWidget;

// Positions and sizes of the fixed 800 x 600 layouts are given in twips, 15 to
// a pixel.
namespace Twips {

constexpr int PerPixel = 15;

int toPixels(int twips);
int fromPixels(int pixels);
QRect rect(int left, int top, int width, int height);
QPoint point(int x, int y);

} // namespace Twips

// The offset, in twips, that centres a span inside another: the difference
// rounded to a whole number, halves to even, then halved toward zero. A window
// 100 twips wider than the screen gets -50.
int centredOffset(float outerTwips, float innerTwips);

// Moves the window so that it is centred on the design area, which is
// centred on the screen.
void CentreForm(QWidget *window);

// Takes the Close button (and Maximize) off the window's title bar; the window
// then refuses the window manager's close requests as well.
void RemoveCloseMenu(QWidget *window);

// -1 keeps the window above all ordinary windows, 0 takes that away, any other
// value only raises it. The window keeps its place and size, is shown, and is
// not activated.
void SetTopMost(QWidget *window, qint16 flag);
