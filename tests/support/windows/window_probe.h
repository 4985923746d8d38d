#pragma once

#include <QString>
#include <QWidget>

// What a test reads from a window's controls, found by their object names as
// a student would find them by their captions. A control that is not there
// fails the running test, so a renamed control cannot make a check pass.
namespace WindowProbe {

QWidget *control(const QWidget *window, const QString &name);
template <class T> T *control(const QWidget *window, const QString &name)
{
    return qobject_cast<T *>(control(window, name));
}

// A box's text, a label's or a button's caption, a frame's title.
QString text(const QWidget *window, const QString &name);
bool enabled(const QWidget *window, const QString &name);
bool shown(const QWidget *window, const QString &name);

// A mouse click on a button that must be visible and enabled.
void click(const QWidget *window, const QString &button);

} // namespace WindowProbe
