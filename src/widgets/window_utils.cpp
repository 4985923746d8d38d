#include "widgets/window_utils.h"

#include "core/numbers.h"
#include "widgets/design_area.h"
#include "widgets/form_window.h"

#include <QWidget>

namespace Twips {

int toPixels(int twips)
{
    return static_cast<int>(Numbers::roundHalfEven(twips / static_cast<double>(PerPixel)));
}

int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QPoint point(int x, int y)
{
    return QPoint(toPixels(x), toPixels(y));
}

} // namespace Twips

int centredOffset(float outerTwips, float innerTwips)
{
    const float difference = outerTwips - innerTwips;
    const long long whole = Numbers::roundHalfEven(difference);
    return static_cast<int>(whole / 2);
}

void CentreForm(QWidget *window)
{
    const QSize area = DesignArea::rect().size();
    const QSize frame = window->frameGeometry().size();
    const int left = centredOffset(static_cast<float>(Twips::fromPixels(area.width())),
                                   static_cast<float>(Twips::fromPixels(frame.width())));
    const int top = centredOffset(static_cast<float>(Twips::fromPixels(area.height())),
                                  static_cast<float>(Twips::fromPixels(frame.height())));
    DesignArea::place(window, Twips::point(left, top));
}

void RemoveCloseMenu(QWidget *window)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    flags &= ~(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    const bool wasVisible = window->isVisible();
    window->setWindowFlags(flags);
    if (wasVisible)
        window->show();
    if (auto *form = qobject_cast<FormWindow *>(window))
        form->setCloseRefused(true);
}

void SetTopMost(QWidget *window, qint16 flag)
{
    const QPoint place = window->pos();
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (flag == -1 || flag == 0) {
        const bool onTop = flag == -1;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
            window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
            window->move(place);
        }
    }
    window->show();
    window->raise();
}
