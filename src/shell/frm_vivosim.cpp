#include "shell/frm_vivosim.h"

#include "widgets/image_control.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"
#include "widgets/window_utils.h"

#include <QMouseEvent>
#include <QTimer>

Frm_Vivosim::Frm_Vivosim()
    : FormWindow(WindowNames::Splash)
    , Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Vivosim"));
    setClientSize(668, 466);
    auto *title = new ImageControl(QStringLiteral("Image1"), QStringLiteral("splash.svg"), this);
    title->setGeometry(0, 0, 668, 466);
    title->setAccessibleName(QStringLiteral("Vivosim T1.00, simulated pharmacology experiments"));
    // The picture passes its clicks to the window.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, &Frm_Vivosim::Timer1_Timer);
}

void Frm_Vivosim::load()
{
    RemoveCloseMenu(this);
    CentreForm(this);
    Timer1->start();
}

void Frm_Vivosim::Timer1_Timer()
{
    SplashTicks += 1;
    if (SplashTicks == TicksShown)
        proceed();
}

void Frm_Vivosim::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    proceed();
}

void Frm_Vivosim::proceed()
{
    // Whichever comes first, the last tick or a click, wins; the other is gone
    // with the splash.
    if (m_leaving)
        return;
    m_leaving = true;
    Timer1->stop();
    WindowRegistry::show(WindowNames::Selection);
    WindowRegistry::unload(WindowNames::Splash);
}
