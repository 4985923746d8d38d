#pragma once

#include <QPoint>
#include <QString>
#include <QVector>

#include <functional>

class QComboBox;
class QMimeData;
class QWidget;

// The student's mouse and keyboard, as events sent straight to the widgets
// under them, the way the window system delivers them: no event loop runs,
// so no real timer fires and a run replays exactly. Points are in the
// receiving widget's pixels.
namespace StudentHands {

// Makes the window the active one, as a click into it does.
void activate(QWidget *window);

// What runs between two events of one gesture, as the event loop runs
// between them (posted events, deletions).
void setBetweenEvents(std::function<void()> between);
// A drag loop started by the press has taken the mouse: the gesture's
// moves and release went to the drag, which is over.
void dragTookTheMouse();

void click(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(QWidget *widget, QPoint at);
// Pressed at the first point, moved with the button held through the others
// (which may lie outside the widget: the widget keeps the mouse), released
// at the last.
void pressDragRelease(QWidget *widget, const QVector<QPoint> &path);
// The pointer moves, no button held, from one widget to another: the first
// is left, the second entered, then the move itself.
void movePointer(QWidget *from, QWidget *to, QPoint at);
void wheel(QWidget *widget, QPoint at, int steps);

void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(QWidget *widget, const QString &text);

// A drag carrying the data passes over the points of a widget that takes
// drops, and is dropped at the last one or taken away again.
void dragOver(QWidget *widget, const QVector<QPoint> &path, const QMimeData &data, bool drop);

// Opens the list and picks the item with the keyboard, or closes it again
// with Escape when index is -1.
void pickFromList(QComboBox *combo, int index);

} // namespace StudentHands
