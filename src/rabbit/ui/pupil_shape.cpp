#include "rabbit/ui/pupil_shape.h"

#include "widgets/window_utils.h"

#include <QPainter>

PupilShape::PupilShape(const QString &name, QWidget *view)
    : QWidget(view)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PupilShape::setBox(const QRectF &twips)
{
    m_box = twips;
    const QRectF pixels(twips.left() / Twips::PerPixel, twips.top() / Twips::PerPixel, twips.width() / Twips::PerPixel,
                        twips.height() / Twips::PerPixel);
    setGeometry(pixels.toAlignedRect());
    update();
}

void PupilShape::paintEvent(QPaintEvent *)
{
    const double diameter = qMin(m_box.width(), m_box.height()) / Twips::PerPixel;
    const QPointF centre = QPointF(m_box.center().x(), m_box.center().y()) / Twips::PerPixel - QPointF(pos());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 0, 0));
    painter.drawEllipse(centre, diameter / 2, diameter / 2);
}
