#include "rabbit/ui/rabbit_window_fixture.h"

#include "rabbit/ui/rabbit_windows.h"
#include "shell/front_page.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace RabbitWindowFixture {

void setUp()
{
    ShellFixture::setUp();
    RabbitWindows::define(practical());
}

Rab_eye::RabPractical &practical()
{
    return ShellFixture::practicals().rabbit;
}

Frm_Rabbit *rabbitWindow()
{
    return WindowRegistry::find<Frm_Rabbit>(WindowNames::Rabbit);
}

Frm_Rabbit *startTutorial()
{
    ShellFixture::chooseTutorial(WindowNames::RabbitFront);
    return rabbitWindow();
}

Frm_Rabbit *startExamination(const QString &password)
{
    ShellFixture::chooseExamination(WindowNames::RabbitFront, password);
    return rabbitWindow();
}

void instil(Frm_Rabbit *window, Rab_eye::Eye eye, bool saline)
{
    click(window, saline ? QStringLiteral("Cmd_Saline") : QStringLiteral("Cmd_Instill"));
    click(window, eye == Rab_eye::Eye::Left ? QStringLiteral("Cmd_LEye") : QStringLiteral("Cmd_Reye"));
}

void tick(QTimer *timer, int n)
{
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(timer, "timeout");
}

void movePointer(QWidget *control, QPoint at, bool leftButton)
{
    const Qt::MouseButtons buttons = leftButton ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(control->mapToGlobal(at)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void clickAt(QWidget *control, QPoint at)
{
    const QPointF global(control->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}

} // namespace RabbitWindowFixture
