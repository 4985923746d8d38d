#include "oesophagus/ui/oeso_window_fixture.h"

#include "oesophagus/ui/oeso_windows.h"
#include "shell/front_page.h"
#include "widgets/picture_drag.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace OesoWindowFixture {

namespace {

struct Drags
{
    QString what;
    int count = 0;
    QPixmap icon;
};

Drags &drags()
{
    static Drags taken;
    return taken;
}

} // namespace

void setUp()
{
    ShellFixture::setUp();
    OesoWindows::define(practical());
    PictureDrag::setStarter([](QWidget *, const QString &what, const QPixmap &icon) {
        drags().what = what;
        drags().icon = icon;
        ++drags().count;
    });
}

Mod_Oeso::OesoPractical &practical()
{
    return ShellFixture::practicals().oesophagus;
}

Frm_Oesophagus *oesophagusWindow()
{
    return WindowRegistry::find<Frm_Oesophagus>(WindowNames::Oesophagus);
}

Frm_Oesophagus *startTutorial()
{
    ShellFixture::chooseTutorial(WindowNames::OesoFront);
    return oesophagusWindow();
}

Frm_Oesophagus *startExamination(const QString &password)
{
    ShellFixture::chooseExamination(WindowNames::OesoFront, password);
    return oesophagusWindow();
}

QString lastDragged()
{
    return drags().what;
}

int dragsStarted()
{
    return drags().count;
}

bool lastIconDrawn()
{
    return !drags().icon.isNull();
}

void pickSeed(Frm_Oesophagus *window)
{
    QWidget *pile = control(window, QStringLiteral("Img_Seeds"));
    QTest::mousePress(pile, Qt::LeftButton, Qt::NoModifier, pile->rect().center());
    QTest::mouseRelease(pile, Qt::LeftButton, Qt::NoModifier, pile->rect().center());
}

void dropAt(Frm_Oesophagus *window, const QPoint &point, const QString &mimeType, const QByteArray &data)
{
    QWidget *frog = control(window, QStringLiteral("Pic_Oeso"));
    QMimeData mime;
    mime.setData(mimeType.isEmpty() ? PictureDrag::mimeType() : mimeType, data);
    QDragEnterEvent enter(point, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frog, &enter);
    QDropEvent drop(QPointF(point), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frog, &drop);
}

void placeSeed(Frm_Oesophagus *window)
{
    pickSeed(window);
    dropAt(window, control(window, QStringLiteral("Img_Seed_Drop"))->geometry().center());
}

void timeout(QTimer *timer, int times)
{
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(timer, "timeout");
}

int runSeed(Frm_Oesophagus *window)
{
    int ticks = 0;
    int nextSecondMs = 1000;
    while (window->seedTimer()->isActive() && ticks < 4000) {
        const int at = (ticks + 1) * window->seedTimer()->interval();
        for (; nextSecondMs <= at; nextSecondMs += 1000)
            timeout(window->monitorTimer());
        timeout(window->seedTimer());
        ++ticks;
    }
    return ticks;
}

} // namespace OesoWindowFixture
