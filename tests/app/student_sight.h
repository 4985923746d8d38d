#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

// What the random student sees of a window, and how its log names it.
namespace StudentSight {

// The widgets of a window that are shown, of some size, and not windows of
// their own.
QVector<QWidget *> visibleParts(QWidget *window);
template <class T> QVector<T *> visibleOf(QWidget *window)
{
    QVector<T *> found;
    for (QWidget *w : visibleParts(window)) {
        if (auto *t = qobject_cast<T *>(w))
            found << t;
    }
    return found;
}

// A drop-down list or a part of one.
bool insideDropDown(const QWidget *widget);
bool passwordBox(const QWidget *widget);

// "window/control", or the class for a control without a name.
QString described(const QWidget *widget);
// A text in quotes, on one line and cut short.
QString quoted(const QString &text);
QString point(QPoint p);

} // namespace StudentSight
