#include "widgets/tool_carrier.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

ToolCarrier::ToolCarrier(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_picture(new QLabel(window))
{
    m_picture->setObjectName(QStringLiteral("carriedTool"));
    m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture->hide();
    m_window->installEventFilter(this);
    qApp->installEventFilter(this);
}

ToolCarrier::~ToolCarrier()
{
    qApp->removeEventFilter(this);
    if (m_carrying)
        QApplication::restoreOverrideCursor();
}

void ToolCarrier::addTarget(QWidget *target)
{
    m_targets.append(target);
}

void ToolCarrier::pickUp(const QPixmap &picture, QPoint hotSpot)
{
    setPicture(picture, hotSpot);
    if (m_carrying)
        return;
    m_carrying = true;
    // The click that picked the tool up is still being delivered: its release
    // must not put the tool down again.
    m_swallowRelease = QApplication::mouseButtons() != Qt::NoButton;
    QApplication::setOverrideCursor(Qt::BlankCursor);
    setTracking(true);
    m_picture->show();
    m_picture->raise();
    follow(QCursor::pos());
}

void ToolCarrier::setPicture(const QPixmap &picture, QPoint hotSpot)
{
    m_hotSpot = hotSpot;
    m_picture->setPixmap(picture);
    m_picture->resize(picture.isNull() ? QSize(32, 32) : picture.deviceIndependentSize().toSize());
}

void ToolCarrier::putDown()
{
    if (!m_carrying)
        return;
    m_carrying = false;
    QApplication::restoreOverrideCursor();
    setTracking(false);
    m_picture->hide();
    while (!m_inside.isEmpty()) {
        QPointer<QWidget> target = m_inside.takeLast();
        if (target)
            emit left(target);
    }
    emit putDownDone();
}

void ToolCarrier::setTracking(bool on)
{
    if (on) {
        m_tracked.clear();
        QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
        widgets.prepend(m_window);
        for (QWidget *w : widgets) {
            if (!w->hasMouseTracking()) {
                w->setMouseTracking(true);
                m_tracked.append(w);
            }
        }
        return;
    }
    for (const QPointer<QWidget> &w : std::as_const(m_tracked)) {
        if (w)
            w->setMouseTracking(false);
    }
    m_tracked.clear();
}

bool ToolCarrier::inWindow(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}

void ToolCarrier::follow(const QPoint &globalPos)
{
    m_picture->move(m_window->mapFromGlobal(globalPos) - m_hotSpot);
    m_picture->raise();
    // Leaving is reported innermost first, entering outermost first.
    QVector<QPointer<QWidget>> now;
    for (const QPointer<QWidget> &target : std::as_const(m_targets)) {
        if (target && target->isVisible() && target->rect().contains(target->mapFromGlobal(globalPos)))
            now.append(target);
    }
    for (int i = int(m_inside.size()) - 1; i >= 0; --i) {
        if (!now.contains(m_inside.at(i))) {
            QPointer<QWidget> target = m_inside.takeAt(i);
            if (target)
                emit left(target);
            if (!m_carrying)
                return;
        }
    }
    for (const QPointer<QWidget> &target : std::as_const(now)) {
        if (!m_inside.contains(target)) {
            m_inside.append(target);
            emit entered(target);
            if (!m_carrying)
                return;
        }
    }
}

bool ToolCarrier::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && (event->type() == QEvent::Hide || event->type() == QEvent::DeferredDelete)) {
        putDown();
        return false;
    }
    if (!inWindow(watched))
        return false;
    if (!m_carrying) {
        // The release of the click that put the tool down goes nowhere either.
        if (event->type() == QEvent::MouseButtonRelease && m_swallowRelease) {
            m_swallowRelease = false;
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove: follow(static_cast<QMouseEvent *>(event)->globalPosition().toPoint()); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        follow(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        m_swallowRelease = true;
        putDown();
        return true;
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return true;
        }
        return false;
    default: return false;
    }
}
