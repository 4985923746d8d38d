#include "ileum/ui/ruler_picture.h"

#include "core/asset_paths.h"
#include "ileum/model/ileum_ruler.h"
#include "widgets/device_pixels.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The ruler's top on the 225-pixel paper: it spans the whole trace area.
constexpr int RulerTop = 2;
constexpr qreal DragIconOpacity = 0.45;

} // namespace

RulerPicture::RulerPicture(QWidget *paper)
    : QWidget(paper)
    , m_renderer(new QSvgRenderer(AssetPaths::picture(QStringLiteral("ruler.svg")), this))
{
    setObjectName(QStringLiteral("Picture1"));
    setGeometry(0, RulerTop, ileum::Ruler::Width, ileum::Ruler::Height);
    setToolTip(ileum::Ruler::ToolTip);
    setAccessibleName(ileum::Ruler::ToolTip);
    setCursor(Qt::OpenHandCursor);
}

void RulerPicture::moveLeftTo(int x)
{
    move(x, y());
}

QPixmap RulerPicture::dragIcon() const
{
    // At the screen's resolution, as the ruler itself is painted.
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(DevicePixels::covering(size(), ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(DragIconOpacity);
    m_renderer->render(&painter, QRectF(rect()));
    return pixmap;
}

void RulerPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_renderer->render(&painter, QRectF(rect()));
}

void RulerPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Held by its left edge: the paper reports the pointer's x, which
    // becomes the ruler's left.
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(QStringLiteral("application/x-vivosim-ileum-ruler"), QByteArray());
    drag->setMimeData(data);
    drag->setPixmap(dragIcon());
    drag->setHotSpot(QPoint(0, event->position().toPoint().y()));
    drag->exec(Qt::MoveAction);
}
