#include "shell/logo_panel.h"

#include <QMouseEvent>

LogoPanel::LogoPanel(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
}

void LogoPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void LogoPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
