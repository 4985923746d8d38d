#include "widgets/controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace Controls {

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    l->setWordWrap(true);
    // Captions here are texts, not accelerators: "&" would be shown as it is.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
                    const QString &toolTip)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

QTimer *timer(QObject *owner, const QString &name, int intervalMs)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    return timer;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    f->setGeometry(place);
    return f;
}

QFrame *panel(QWidget *parent, const QString &name, const QRect &place)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(place);
    f->setAutoFillBackground(true);
    return f;
}

QFrame *outline(QWidget *parent, const QString &name, const QRect &place)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(place);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QString shownCaption(const QString &caption)
{
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void setFont(QWidget *control, int points, bool bold)
{
    QFont font = control->font();
    font.setPointSize(points);
    font.setBold(bold);
    control->setFont(font);
}

} // namespace Controls
