#include "rabbit/ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
