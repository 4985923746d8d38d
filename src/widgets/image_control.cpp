#include "widgets/image_control.h"

#include "core/asset_paths.h"
#include "widgets/device_pixels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ImageControl::ImageControl(const QString &name, const QString &pictureFile, QWidget *parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(AssetPaths::picture(pictureFile), this))
{
    setObjectName(name);
}

void ImageControl::setToolTipText(const QString &tip)
{
    setToolTip(tip);
    setAccessibleName(tip.trimmed());
}

bool ImageControl::pictureLoaded() const
{
    return m_renderer->isValid();
}

const QPixmap &ImageControl::rendered()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = DevicePixels::covering(size(), ratio);
    if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap(pixels);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        QPainter painter(&m_rendered);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&painter, QRectF(rect()));
    }
    return m_rendered;
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid() || size().isEmpty())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, rendered());
}

void ImageControl::mousePressEvent(QMouseEvent *)
{
    emit pressed();
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
