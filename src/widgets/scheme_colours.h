#pragma once

#include <QColor>

// The colours of the standard desktop scheme the practicals' recordings and
// indicators were drawn in. They are used as they are whatever the desktop's
// theme, so a dark theme cannot turn a white trace dark on a black paper.
namespace SchemeColours {

// Window backgrounds: the recorders' ink.
inline QColor windowBackground()
{
    return Qt::white;
}

// Button texts: the heart's indicator boxes.
inline QColor buttonText()
{
    return Qt::black;
}

// Three-dimensional highlights: the heart's highlighted paper marks.
inline QColor highlight()
{
    return Qt::white;
}

} // namespace SchemeColours
