#include "app/student_sight.h"

#include <QComboBox>
#include <QLineEdit>

namespace StudentSight {

QVector<QWidget *> visibleParts(QWidget *window)
{
    QVector<QWidget *> parts;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible() && !w->isWindow() && w->width() > 0 && w->height() > 0)
            parts << w;
    }
    return parts;
}

bool insideDropDown(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox *>(w))
            return true;
    }
    return false;
}

bool passwordBox(const QWidget *widget)
{
    const auto *box = qobject_cast<const QLineEdit *>(widget);
    return box && box->echoMode() == QLineEdit::Password;
}

QString described(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("nothing");
    const QString own = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                       : widget->objectName();
    if (widget->isWindow())
        return own;
    return QStringLiteral("%1/%2").arg(widget->window()->objectName(), own);
}

QString quoted(const QString &text)
{
    constexpr int Longest = 60;
    const QString line = text.simplified();
    return QLatin1Char('"') + (line.size() <= Longest ? line : line.left(Longest) + QStringLiteral("..."))
        + QLatin1Char('"');
}

QString point(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

} // namespace StudentSight
