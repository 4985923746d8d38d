#include "widgets/design_area.h"

#include "core/design_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace DesignArea {

namespace {

// The start of a span of `length` centred in [availableStart, availableStart
// + availableLength), moved back inside [screenStart, screenStart +
// screenLength) where the screen is long enough. On a screen too short it
// starts at the screen's start, so that windows at the corner keep their
// title bars on the screen.
int centredStart(int availableStart, int availableLength, int screenStart, int screenLength, int length)
{
    if (screenLength < length)
        return screenStart;
    const int start = availableStart + (availableLength - length) / 2;
    return std::min(std::max(start, screenStart), screenStart + screenLength - length);
}

} // namespace

QRect centredIn(const QRect &screen, const QRect &available)
{
    const QSize design = DesignScale::DesignSize;
    return QRect(centredStart(available.x(), available.width(), screen.x(), screen.width(), design.width()),
                 centredStart(available.y(), available.height(), screen.y(), screen.height(), design.height()),
                 design.width(), design.height());
}

QRect rect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(QPoint(0, 0), DesignScale::DesignSize);
    return centredIn(screen->geometry(), screen->availableGeometry());
}

bool fitsScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && DesignScale::holdsDesign(screen->geometry().size());
}

void place(QWidget *window, QPoint designPoint)
{
    window->move(rect().topLeft() + designPoint);
}

} // namespace DesignArea
