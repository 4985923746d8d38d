#include "widgets/recorder/paper_widget.h"

#include <QDragMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

PaperWidget::PaperWidget(const QSize &size, const QColor &paperColour, const QColor &inkColour, QWidget *viewport)
    : QWidget(viewport)
    , m_image(size.width(), size.height(), paperColour, inkColour)
{
    setObjectName(QStringLiteral("PicMain"));
    // Every pixel of the widget comes from the image: Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The image is drawn from the paper's left edge and what is drawn stays:
    // as the recording grows and the paper moves left, Qt shifts what the
    // viewport shows and repaints only the newly uncovered column.
    setAttribute(Qt::WA_StaticContents);
    setGeometry(QRect(QPoint(0, 0), size));
    showAtScreenResolution();
}

void PaperWidget::showAtScreenResolution()
{
    // A fractional ratio keeps the next whole one: the screen scales it down.
    m_image.setScreenScale(qCeil(devicePixelRatioF() - 0.01));
}

QFont PaperWidget::labelFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void PaperWidget::setPaperGeometry(int left, int width)
{
    if (width != m_image.width())
        m_image.setWidth(width);
    setGeometry(left, 0, width, m_image.height());
}

void PaperWidget::drawLine(const QPoint &from, const QPoint &to)
{
    update(m_image.drawLine(from, to));
}

void PaperWidget::drawArc(const QPoint &centre, double radius, double aspect, double startRadians, double endRadians)
{
    update(m_image.drawArc(centre, radius, aspect, startRadians, endRadians));
}

void PaperWidget::drawText(const QPoint &topLeft, const QString &text, const QFont &font)
{
    update(m_image.drawText(topLeft, text, font));
}

void PaperWidget::wipe()
{
    m_image.wipe();
    update();
}

void PaperWidget::paintEvent(QPaintEvent *event)
{
    showAtScreenResolution();
    QPainter painter(this);
    m_image.paintOnScreen(painter, event->rect());
}

void PaperWidget::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
    emit dragMovedOver(event->position().toPoint().x());
}

void PaperWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
    emit dragMovedOver(event->position().toPoint().x());
}
