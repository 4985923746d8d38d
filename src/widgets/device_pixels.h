#pragma once

#include <QSize>
#include <QtMath>

namespace DevicePixels {

// The device pixels an image needs to cover a widget of this size on a screen
// of this ratio. At a fractional ratio a widget can span one device pixel
// more than its size times the ratio, rounded: a picture drawn at the rounded
// size would leave its last column or row unpainted.
inline QSize covering(const QSize &size, qreal ratio)
{
    // A hair below the exact product keeps whole products whole.
    return QSize(qCeil(size.width() * ratio - 1e-6), qCeil(size.height() * ratio - 1e-6));
}

} // namespace DevicePixels
