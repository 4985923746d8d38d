#include "heart/ui/indicator_box.h"

#include "widgets/aliased_stroke.h"
#include "widgets/device_pixels.h"
#include "widgets/window_utils.h"

#include <QPainter>

namespace {

const QColor LevelGreen(0, 255, 0);

} // namespace

IndicatorBox::IndicatorBox(const QString &name, const QColor &background, QWidget *parent)
    : QWidget(parent)
    , m_background(background)
{
    setObjectName(name);
    setFixedSize(Width, Height);
    redraw();
}

void IndicatorBox::redraw()
{
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(DevicePixels::covering(QSize(Width, Height), ratio), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(m_background);
    for (const QLine &line : std::as_const(m_lines))
        paintLine(line);
}

void IndicatorBox::paintLine(const QLine &line)
{
    // One box pixel wide, however many device pixels that is.
    QPainter painter(&m_image);
    painter.setPen(QPen(LevelGreen, 1));
    painter.translate(AliasedStroke::shift(painter));
    painter.drawLine(line);
}

void IndicatorBox::clear()
{
    m_lines.clear();
    m_image.fill(m_background);
    update();
}

void IndicatorBox::drawLine(const QLine &line)
{
    m_lines.append(line);
    paintLine(line);
    update();
}

int IndicatorBox::widthTwips() const
{
    return Twips::fromPixels(width());
}

void IndicatorBox::paintEvent(QPaintEvent *)
{
    if (m_image.devicePixelRatio() != devicePixelRatioF())
        redraw();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
