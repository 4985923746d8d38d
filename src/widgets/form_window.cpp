#include "widgets/form_window.h"

#include "widgets/window_registry.h"

#include <QCloseEvent>
#include <QKeyEvent>

FormWindow::FormWindow(const QString &name, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
}

void FormWindow::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_closeRefused)
        WindowRegistry::unload(objectName());
}
