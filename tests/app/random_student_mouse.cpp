// The random student's mouse: clicks, drags, the scroll bars, the pointer
// and the drop-down lists.

#include "app/random_student.h"
#include "app/student_hands.h"
#include "app/student_sight.h"
#include "widgets/picture_drag.h"
#include "widgets/window_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QTableWidget>
#include <QUrl>

using namespace StudentSight;

QWidget *RandomStudent::pressable(QWidget *window, QPoint inWindow, QPoint *local) const
{
    QWidget *receiver = window->childAt(inWindow);
    if (!receiver)
        receiver = window;
    *local = receiver->mapFrom(window, inWindow);
    // The ruler on the ileum's paper starts the platform's drag loop, which
    // would wait for a real mouse: dragInFromOutside moves it over the paper.
    if (receiver->inherits("RulerPicture") || insideDropDown(receiver))
        return nullptr;
    // Quit is the student's way to end the program on purpose.
    if (receiver->objectName() == QLatin1String("Cmd_quit") && window->objectName() == WindowNames::Selection)
        return nullptr;
    return receiver;
}

void RandomStudent::clickOn(QWidget *receiver, QPoint local, bool twice)
{
    const QPointer<QWidget> alive(receiver);
    StudentHands::click(receiver, local);
    if (twice && alive && alive->isVisible())
        StudentHands::click(receiver, local);
}

bool RandomStudent::clickControl(QWidget *window)
{
    QVector<QWidget *> candidates;
    for (QWidget *w : visibleParts(window)) {
        int weight = 0;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            weight = button->isEnabled() ? 8 : 1;
        else if (w->inherits("ImageControl") || w->inherits("PictureBox") || w->inherits("LogoPanel"))
            weight = 5;
        else if (auto *list = qobject_cast<QListWidget *>(w))
            weight = list->count() > 0 ? 5 : 1;
        else if (qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QTableWidget *>(w))
            weight = 1;
        for (int i = 0; i < weight; ++i)
            candidates << w;
    }
    if (candidates.isEmpty())
        return false;
    QWidget *control = pick(candidates);
    QPoint inWindow = control->mapTo(window, somewhereIn(control));
    QString what = described(control);
    if (auto *list = qobject_cast<QListWidget *>(control); list && list->count() > 0) {
        QListWidgetItem *item = list->item(below(list->count()));
        list->scrollToItem(item);
        const QRect place = list->visualItemRect(item);
        inWindow = list->viewport()->mapTo(window, place.center());
        what = QStringLiteral("%1 item %2").arg(described(list), quoted(item->text()));
    }
    QPoint local;
    QWidget *receiver = pressable(window, inWindow, &local);
    if (!receiver)
        return false;
    say(QStringLiteral("click %1 at %2 (under the pointer: %3)").arg(what, point(local), described(receiver)));
    reach(window);
    clickOn(receiver, local, false);
    return true;
}

bool RandomStudent::clickAnywhere(QWidget *window)
{
    QPoint local;
    const QPoint inWindow = somewhereIn(window);
    QWidget *receiver = pressable(window, inWindow, &local);
    if (!receiver)
        return false;
    say(QStringLiteral("click %1 at %2 in %3").arg(described(receiver), point(inWindow), window->objectName()));
    reach(window);
    clickOn(receiver, local, false);
    return true;
}

bool RandomStudent::clickTwice(QWidget *window)
{
    QVector<QWidget *> candidates;
    for (QWidget *w : visibleParts(window)) {
        if ((qobject_cast<QAbstractButton *>(w) && w->isEnabled()) || w->inherits("ImageControl")
            || w->inherits("PictureBox"))
            candidates << w;
    }
    if (candidates.isEmpty())
        return false;
    QWidget *control = pick(candidates);
    QPoint local;
    QWidget *receiver = pressable(window, control->mapTo(window, somewhereIn(control)), &local);
    if (!receiver)
        return false;
    say(QStringLiteral("click %1 twice quickly").arg(described(receiver)));
    reach(window);
    clickOn(receiver, local, true);
    return true;
}

bool RandomStudent::keepClicking(QWidget *window)
{
    QVector<QAbstractButton *> buttons;
    for (QAbstractButton *button : visibleOf<QAbstractButton>(window)) {
        if (button->isEnabled())
            buttons << button;
    }
    if (buttons.isEmpty())
        return false;
    QAbstractButton *button = pick(buttons);
    QPoint local;
    QWidget *receiver = pressable(window, button->mapTo(window, button->rect().center()), &local);
    if (!receiver)
        return false;
    const int clicks = 3 + below(38);
    say(QStringLiteral("click %1 again and again, %2 times").arg(described(receiver)).arg(clicks));
    reach(window);
    const QPointer<QWidget> alive(receiver);
    for (int i = 0; i < clicks && alive && alive->isVisible() && alive->isEnabled(); ++i) {
        StudentHands::click(receiver, local);
        settle();
        m_time.advance(below(300));
        settle();
    }
    return true;
}

bool RandomStudent::doubleClickSomething(QWidget *window)
{
    const QVector<QWidget *> parts = visibleParts(window);
    QPoint inWindow = somewhereIn(window);
    if (!parts.isEmpty() && chance(0.7)) {
        QWidget *part = pick(parts);
        inWindow = part->mapTo(window, somewhereIn(part));
    }
    QPoint local;
    QWidget *receiver = pressable(window, inWindow, &local);
    if (!receiver)
        return false;
    say(QStringLiteral("double-click %1 at %2").arg(described(receiver), point(local)));
    reach(window);
    StudentHands::doubleClick(receiver, local);
    return true;
}

bool RandomStudent::chooseFromDropDown(QWidget *window)
{
    QVector<QComboBox *> lists;
    for (QComboBox *combo : visibleOf<QComboBox>(window)) {
        if (combo->isEnabled())
            lists << combo;
    }
    if (lists.isEmpty())
        return false;
    QComboBox *combo = pick(lists);
    const int r = below(100);
    reach(window);
    if (r < 70) {
        const int index = combo->count() == 0 || chance(0.15) ? -1 : below(combo->count());
        say(index < 0 ? QStringLiteral("open %1 and close it again").arg(described(combo))
                      : QStringLiteral("choose %1 from %2").arg(quoted(combo->itemText(index)), described(combo)));
        StudentHands::pickFromList(combo, index);
    } else if (r < 85) {
        const int steps = (1 + below(3)) * (chance(0.5) ? 1 : -1);
        say(QStringLiteral("turn the wheel %1 over %2").arg(steps).arg(described(combo)));
        StudentHands::wheel(combo, somewhereIn(combo), steps);
    } else {
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        const char *const names[] = {"Up", "Down", "Home", "End", "PageDown"};
        const int k = below(5);
        say(QStringLiteral("press %1 on %2").arg(QLatin1String(names[k]), described(combo)));
        combo->setFocus();
        StudentHands::key(combo, keys[k]);
    }
    return true;
}

void RandomStudent::answerOpenList(QWidget *popup)
{
    auto *combo = qobject_cast<QComboBox *>(popup->parentWidget());
    if (!combo) {
        say(QStringLiteral("click beside the open %1").arg(described(popup)));
        popup->close();
        return;
    }
    const int index = combo->count() == 0 || chance(0.4) ? -1 : below(combo->count());
    say(index < 0
            ? QStringLiteral("close the open list of %1 with Escape").arg(described(combo))
            : QStringLiteral("pick %1 in the open list of %2").arg(quoted(combo->itemText(index)), described(combo)));
    QAbstractItemView *list = combo->view();
    if (index >= 0)
        list->setCurrentIndex(combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
    StudentHands::key(list, index < 0 ? Qt::Key_Escape : Qt::Key_Return);
}

bool RandomStudent::dragWithMouse(QWidget *window)
{
    QVector<QWidget *> candidates;
    for (QWidget *w : visibleParts(window)) {
        int weight = 1;
        if (w->inherits("ScaleRuler"))
            weight = 8;
        else if (qobject_cast<QScrollBar *>(w) || w->inherits("ImageControl") || w->inherits("PictureBox"))
            weight = 3;
        for (int i = 0; i < weight; ++i)
            candidates << w;
    }
    if (candidates.isEmpty())
        return false;
    QWidget *widget = pick(candidates);
    QPoint local;
    QWidget *receiver = pressable(window, widget->mapTo(window, somewhereIn(widget)), &local);
    if (!receiver)
        return false;
    QVector<QPoint> path{local};
    const int moves = 1 + below(6);
    for (int i = 0; i < moves; ++i)
        path << QPoint(below(receiver->width() + 80) - 40, below(receiver->height() + 80) - 40);
    say(QStringLiteral("drag with the mouse on %1 from %2 to %3")
            .arg(described(receiver), point(path.first()), point(path.last())));
    reach(window);
    StudentHands::pressDragRelease(receiver, path);
    return true;
}

bool RandomStudent::dragInFromOutside(QWidget *window)
{
    QVector<QWidget *> targets;
    for (QWidget *w : visibleParts(window)) {
        if (w->acceptDrops() && w->isEnabled())
            targets << w;
    }
    if (targets.isEmpty())
        return false;
    QWidget *target = pick(targets);
    QMimeData data;
    QString carried;
    switch (below(4)) {
    case 0:
        data.setData(QStringLiteral("application/x-vivosim-ileum-ruler"), QByteArray());
        carried = QStringLiteral("the ruler");
        break;
    case 1: {
        const QString text = randomText();
        data.setText(text);
        carried = QStringLiteral("the text %1").arg(quoted(text));
        break;
    }
    case 2:
        data.setUrls({QUrl(QStringLiteral("https://example.org/seed.png"))});
        carried = QStringLiteral("a file");
        break;
    default: carried = QStringLiteral("nothing the program knows"); break;
    }
    QVector<QPoint> path;
    const int points = 1 + below(5);
    for (int i = 0; i < points; ++i)
        path << somewhereIn(target);
    const bool drop = chance(0.7);
    say(QStringLiteral("drag %1 over %2 to %3, %4")
            .arg(carried, described(target), point(path.last()),
                 drop ? QStringLiteral("dropped") : QStringLiteral("taken away")));
    reach(window);
    StudentHands::dragOver(target, path, data, drop);
    return true;
}

bool RandomStudent::moveScrollBar(QWidget *window)
{
    QVector<QScrollBar *> bars;
    for (QScrollBar *bar : visibleOf<QScrollBar>(window)) {
        if (bar->isEnabled())
            bars << bar;
    }
    if (bars.isEmpty())
        return false;
    QScrollBar *bar = pick(bars);
    reach(window);
    if (chance(0.5)) {
        const QAbstractSlider::SliderAction actions[]
            = {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
               QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
               QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const char *const names[] = {"the right arrow",   "the left arrow", "right of the thumb",
                                     "left of the thumb", "to the start",   "to the end"};
        const int a = below(6);
        say(QStringLiteral("click %1 of %2").arg(QLatin1String(names[a]), described(bar)));
        bar->triggerAction(actions[a]);
        return true;
    }
    const int to = bar->minimum() + below(bar->maximum() - bar->minimum() + 1);
    say(QStringLiteral("drag the thumb of %1 from %2 to %3 (range %4..%5)")
            .arg(described(bar))
            .arg(bar->value())
            .arg(to)
            .arg(bar->minimum())
            .arg(bar->maximum()));
    const QPointer<QScrollBar> alive(bar);
    bar->setSliderDown(true);
    if (alive)
        bar->setSliderPosition(to);
    if (alive)
        bar->setSliderDown(false);
    return true;
}

bool RandomStudent::movePointerAbout(QWidget *window)
{
    QVector<QPoint> points;
    const int moves = 1 + below(8);
    QStringList shown;
    for (int i = 0; i < moves; ++i) {
        points << somewhereIn(window);
        shown << point(points.last());
    }
    say(QStringLiteral("move the pointer over %1 through %2").arg(window->objectName(), shown.join(QLatin1Char(' '))));
    reach(window);
    const QPointer<QWidget> alive(window);
    for (const QPoint &p : points) {
        if (!alive || !window->isVisible())
            return true;
        QWidget *under = window->childAt(p);
        if (!under)
            under = window;
        StudentHands::movePointer(m_underPointer, under, under->mapFrom(window, p));
        m_underPointer = under;
    }
    return true;
}

void RandomStudent::pictureDragged(QWidget *source, const QString &what)
{
    // The drag ends where the student lets go: over a surface that takes
    // it, often on one of its parts, or over nothing that does.
    StudentHands::dragTookTheMouse();
    QVector<QWidget *> targets;
    for (QWidget *w : visibleParts(source->window())) {
        if (w->acceptDrops())
            targets << w;
    }
    if (targets.isEmpty() || chance(0.2)) {
        m_log.note(QStringLiteral("the %1 let go over nothing").arg(what));
        return;
    }
    QWidget *target = pick(targets);
    QVector<QPoint> path;
    const int points = 1 + below(4);
    for (int i = 0; i < points; ++i)
        path << somewhereIn(target);
    QVector<QWidget *> parts;
    for (QWidget *part : target->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (part->isVisible())
            parts << part;
    }
    if (!parts.isEmpty() && chance(0.5))
        path.last() = pick(parts)->geometry().center();
    m_log.note(QStringLiteral("the %1 dropped on %2 at %3").arg(what, described(target), point(path.last())));
    QMimeData data;
    data.setData(PictureDrag::mimeType(), what.toUtf8());
    StudentHands::dragOver(target, path, data, true);
}
