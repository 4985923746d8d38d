#include "app/student_hands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

namespace StudentHands {

namespace {

std::function<void()> &betweenEvents()
{
    static std::function<void()> between;
    return between;
}

bool mouseTaken = false;

void between()
{
    if (betweenEvents())
        betweenEvents()();
}

void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    if (mouseTaken && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
        mouseTaken = type != QEvent::MouseButtonRelease;
        return;
    }
    mouseTaken = false;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    between();
}

} // namespace

void setBetweenEvents(std::function<void()> between)
{
    betweenEvents() = std::move(between);
}

void dragTookTheMouse()
{
    mouseTaken = true;
}

void activate(QWidget *window)
{
    if (QApplication::activeWindow() == window)
        return;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
}

void click(QWidget *widget, QPoint at, Qt::MouseButton button)
{
    const QPointer<QWidget> alive(widget);
    mouse(widget, QEvent::MouseButtonPress, at, button, button);
    if (alive)
        mouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void doubleClick(QWidget *widget, QPoint at)
{
    const QPointer<QWidget> alive(widget);
    click(widget, at);
    if (alive)
        mouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    if (alive)
        mouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void pressDragRelease(QWidget *widget, const QVector<QPoint> &path)
{
    const QPointer<QWidget> alive(widget);
    mouse(widget, QEvent::MouseButtonPress, path.first(), Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i < path.size() && alive; ++i)
        mouse(widget, QEvent::MouseMove, path.at(i), Qt::NoButton, Qt::LeftButton);
    if (alive)
        mouse(widget, QEvent::MouseButtonRelease, path.last(), Qt::LeftButton, Qt::NoButton);
}

void movePointer(QWidget *from, QWidget *to, QPoint at)
{
    if (from != to) {
        if (from) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(from, &leave);
        }
        QEnterEvent enter(QPointF(at), QPointF(to->mapTo(to->window(), at)), QPointF(to->mapToGlobal(at)));
        QApplication::sendEvent(to, &enter);
    }
    mouse(to, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

void wheel(QWidget *widget, QPoint at, int steps)
{
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
    between();
}

void type(QWidget *widget, const QString &text)
{
    const QPointer<QWidget> alive(widget);
    for (const QChar c : text) {
        if (!alive)
            return;
        // Printable ASCII keys are named by their upper-case character; any
        // other character comes as its text alone, as a keyboard layout
        // gives it.
        const bool ascii = c.unicode() >= 0x20 && c.unicode() < 0x7f;
        const Qt::Key key = ascii ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        if (alive) {
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
        between();
    }
}

void dragOver(QWidget *widget, const QVector<QPoint> &path, const QMimeData &data, bool drop)
{
    const QPointer<QWidget> alive(widget);
    QDragEnterEvent enter(path.first(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    for (int i = 1; i < path.size() && alive; ++i) {
        QDragMoveEvent move(path.at(i), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    if (!alive)
        return;
    if (drop) {
        QDropEvent dropped(QPointF(path.last()), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &dropped);
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(widget, &leave);
    }
}

void pickFromList(QComboBox *combo, int index)
{
    const QPointer<QComboBox> alive(combo);
    combo->showPopup();
    QAbstractItemView *list = alive ? combo->view() : nullptr;
    if (!list || !list->isVisible())
        return;
    if (index < 0) {
        QTest::keyClick(list, Qt::Key_Escape);
        return;
    }
    // The pointer resting on an item makes it the list's current one.
    list->setCurrentIndex(combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace StudentHands
