#include "heart/ui/indicator_box.h"

#include "widgets/window_utils.h"

#include <QPainter>

namespace {

const QColor LevelGreen(0, 255, 0);

} // namespace

IndicatorBox::IndicatorBox(const QString &name, const QColor &background, QWidget *parent)
    : QWidget(parent)
    , m_background(background)
    , m_image(Width, Height, QImage::Format_RGB32)
{
    setObjectName(name);
    setFixedSize(Width, Height);
    clear();
}

void IndicatorBox::clear()
{
    m_image.fill(m_background);
    update();
}

void IndicatorBox::drawLine(const QLine &line)
{
    QPainter painter(&m_image);
    painter.setPen(QPen(LevelGreen, 0));
    painter.drawLine(line);
    update();
}

int IndicatorBox::widthTwips() const
{
    return Twips::fromPixels(width());
}

void IndicatorBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
