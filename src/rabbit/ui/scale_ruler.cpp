#include "rabbit/ui/scale_ruler.h"

#include "widgets/window_utils.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int TicksPerNumber = 8;
}

ScaleRuler::ScaleRuler(const QString &name, QWidget *view)
    : QWidget(view)
{
    setObjectName(name);
    setToolTip(QStringLiteral("Drag to measure the pupil size. 1 division = 1 mm"));
    setAccessibleName(toolTip());
    setCursor(Qt::SizeHorCursor);
}

void ScaleRuler::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 250, 225));
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const double step = DivisionTwips / Twips::PerPixel;
    const double bottom = height() - 1;
    QFont numbers = font();
    numbers.setPointSize(6);
    painter.setFont(numbers);
    for (int tick = 0; bottom - tick * step >= 0; ++tick) {
        const double y = bottom - tick * step;
        const bool longTick = tick % TicksPerNumber == 0;
        painter.drawLine(QPointF(0, y), QPointF(longTick ? 10 : 5, y));
        if (tick % TicksPerNumber == TicksPerNumber / 2) {
            // Each number between two long ticks, read with the head tilted left.
            painter.save();
            painter.translate(16, y);
            painter.rotate(-90);
            painter.drawText(QRectF(-8, -6, 16, 12), Qt::AlignCenter, QString::number(tick / TicksPerNumber + 1));
            painter.restore();
        }
    }
}

void ScaleRuler::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint inView = mapToParent(event->position().toPoint());
    if (parentWidget()->rect().contains(inView))
        emit dragged(inView.x());
}
