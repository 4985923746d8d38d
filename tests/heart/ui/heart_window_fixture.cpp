#include "heart/ui/heart_window_fixture.h"

#include "heart/ui/heart_windows.h"
#include "shell/front_page.h"
#include "widgets/recorder/chart_recorder.h"
#include "widgets/recorder/paper_image.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace HeartWindowFixture {

void setUp()
{
    ShellFixture::setUp();
    HeartWindows::define(practical());
}

Heart::HeartPractical &practical()
{
    return ShellFixture::practicals().heart;
}

FrontPage *showFrontPage()
{
    return qobject_cast<FrontPage *>(ShellFixture::showFrontPage(WindowNames::HeartFront));
}

Frm_Heart *heartWindow()
{
    return WindowRegistry::find<Frm_Heart>(WindowNames::Heart);
}

Frm_Heart *startTutorial()
{
    FrontPage *front = showFrontPage();
    if (!front)
        return nullptr;
    click(front, QStringLiteral("Cmd_Tutorial"));
    return heartWindow();
}

Frm_Heart *startExamination(const QString &password)
{
    FrontPage *front = showFrontPage();
    if (!front)
        return nullptr;
    click(front, QStringLiteral("cmd_exam"));
    control<QLineEdit>(front, QStringLiteral("Txt_PassWord"))->setText(password);
    click(front, QStringLiteral("Cmd_Ok_Password"));
    return heartWindow();
}

void ticks(Frm_Heart *window, int n)
{
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(window->beatTimer(), "timeout");
}

void settle(Frm_Heart *window)
{
    ticks(window, 76);
}

void inject(Frm_Heart *window, int p)
{
    auto *list = control<QComboBox>(window, QStringLiteral("Combo_Drug"));
    list->setCurrentIndex(p);
    emit list->activated(p);
    click(window, QStringLiteral("Cmd_inject"));
}

void swingLever(Frm_Heart *window)
{
    QMetaObject::invokeMethod(window->leverTimer(), "timeout");
    for (int step = 0; step < 1000 && window->experiment().state().lever.swinging(); ++step)
        QMetaObject::invokeMethod(window->swingTimer(), "timeout");
}

QColor paperPixel(const PaperImage &paper, int x, int y)
{
    return paper.tile(x / PaperImage::TileWidth).pixelColor(x % PaperImage::TileWidth, y);
}

int markedPixels(const PaperImage &paper, const QRect &area)
{
    int marked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (paperPixel(paper, x, y) != paper.paperColour())
                ++marked;
        }
    }
    return marked;
}

} // namespace HeartWindowFixture
