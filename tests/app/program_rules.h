#pragma once

#include <QList>
#include <QString>

class QWidget;
struct Practicals;

// What the program keeps true whatever the student does, checked after every
// action of the random student. Each check gives the first rule broken, as a
// sentence naming the window or control, or an empty text.
namespace ProgramRules {

// A window of the program is shown and the program has not ended; every
// window shown is one the registry or the help engine knows, one instance
// per name, and an unloaded window is gone; no modal box is open; every
// window shown lies on the 800 x 600 screen, so all of it can be reached; a
// help window shows its page.
QString windows();
// Each chart recorder's paper is between its start width and 16383 pixels,
// placed and sized as its bookkeeping says, and its scroll bar shows the
// bookkeeping's range and value. A heart recorder is either running (Stop
// enabled) or stopped (Continue enabled), and a stopped one does not beat.
QString recorders();
// Each practical's mode is one of its values, and a practical's windows
// beyond its front page are loaded only while it has a mode.
QString modes(const Practicals &practicals);
// No box holds more than its length limit.
QString textBoxes();
// The pointer is hidden only while a tool is carried in a shown window.
QString pointer();

QString all(const Practicals &practicals);

// The help windows the help engine has open for the program's help files.
QList<QWidget *> helpWindows();

} // namespace ProgramRules
