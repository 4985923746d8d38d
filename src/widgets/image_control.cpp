#include "widgets/image_control.h"

#include "core/asset_paths.h"

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

void ImageControl::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
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
