#pragma once

#include <QPixmap>
#include <QString>

// The bitmaps and icons beside the program. Each is there at the size it is
// shown at and, as "<name>@2x.<ext>", at twice that size: on a screen with
// more than one device pixel per pixel the larger one is loaded, so the
// picture is as sharp as the screen, at the same size on it.
namespace PictureFiles {

// The picture for screens of this many device pixels per pixel; a null
// pixmap when the file is missing or unreadable.
QPixmap load(const QString &fileName, qreal devicePixelRatio);
// The same for the program's screens: the highest ratio among them.
QPixmap load(const QString &fileName);

// "Leye1.bmp" -> "Leye1@2x.bmp".
QString doubleSizeName(const QString &fileName);

} // namespace PictureFiles
