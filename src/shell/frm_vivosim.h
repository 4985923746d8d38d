#pragma once

#include "widgets/form_window.h"

class QTimer;

// The splash: the title picture for 200 ticks of 20 ms, or until a click.
class Frm_Vivosim final : public FormWindow
{
    Q_OBJECT

public:
    static constexpr qint16 TicksShown = 200;

    Frm_Vivosim();
    void load() override;

    qint16 splashTicks() const { return SplashTicks; }
    QTimer *timer() const { return Timer1; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void Timer1_Timer();

    void proceed();

    QTimer *Timer1;
    qint16 SplashTicks = 0;
    bool m_leaving = false;
};
