#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QObject;
class QPushButton;
class QTimer;
class QWidget;

// Builders for the fixed-position controls of the 800 x 600 layouts: each
// control gets its name, its text and its place (pixels) in one call.

namespace Controls {

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
                    const QString &toolTip = QString());
QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &place);
// A window's timer, stopped, keeping its interval in milliseconds exactly
// (a precise timer: a practical's beats and seconds must not drift).
QTimer *timer(QObject *owner, const QString &name, int intervalMs);
// A plain panel (a frame without a caption).
QFrame *panel(QWidget *parent, const QString &name, const QRect &place);
// A decorative outline with no behaviour.
QFrame *outline(QWidget *parent, const QString &name, const QRect &place);

// A caption as a label shows it: "&&" stands for one "&".
QString shownCaption(const QString &caption);

// Sets a label's font size (points) and weight.
void setFont(QWidget *control, int points, bool bold = false);

} // namespace Controls
