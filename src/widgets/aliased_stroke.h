#pragma once

#include <QPainter>
#include <QPointF>

namespace AliasedStroke {

// Aliased strokes fill the pixels right of and below their points. On a
// painter scaled to a finer device a stroke moves by half a pixel, so that it
// covers the device pixels of the pixels it covers at one device pixel each.
inline QPointF shift(const QPainter &painter)
{
    return painter.deviceTransform().m11() > 1.0 ? QPointF(0.5, 0.5) : QPointF();
}

} // namespace AliasedStroke
