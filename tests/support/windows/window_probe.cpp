#include "support/windows/window_probe.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace WindowProbe {

QWidget *control(const QWidget *window, const QString &name)
{
    QWidget *found = window ? window->findChild<QWidget *>(name) : nullptr;
    if (!found) {
        const QString message
            = QStringLiteral("no control %1 in %2").arg(name, window ? window->objectName() : "no window");
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    }
    return found;
}

QString text(const QWidget *window, const QString &name)
{
    QWidget *found = control(window, name);
    if (const auto *box = qobject_cast<QLineEdit *>(found))
        return box->text();
    if (const auto *label = qobject_cast<QLabel *>(found))
        return label->text();
    if (const auto *button = qobject_cast<QAbstractButton *>(found))
        return button->text();
    if (const auto *frame = qobject_cast<QGroupBox *>(found))
        return frame->title();
    return QStringLiteral("<%1 has no text>").arg(name);
}

bool enabled(const QWidget *window, const QString &name)
{
    const QWidget *found = control(window, name);
    return found && found->isEnabled();
}

bool shown(const QWidget *window, const QString &name)
{
    const QWidget *found = control(window, name);
    return found && found->isVisible();
}

void click(const QWidget *window, const QString &button)
{
    auto *b = control<QAbstractButton>(window, button);
    QVERIFY2(b, qPrintable(button));
    QVERIFY2(b->isVisible(), qPrintable(button));
    QVERIFY2(b->isEnabled(), qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace WindowProbe
