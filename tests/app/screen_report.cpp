#include "app/screen_report.h"

#include "app/program_start.h"
#include "app/program_windows.h"
#include "shell/shell_fixture.h"
#include "widgets/design_area.h"
#include "widgets/help_engine.h"
#include "widgets/help_viewer.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

namespace ScreenReport {

namespace {

void print(const char *what, const QString &name, const QRect &place)
{
    std::printf("%s %s%s%d %d %d %d\n", what, qPrintable(name), name.isEmpty() ? "" : " ", place.x(), place.y(),
                place.width(), place.height());
}

void report(const QWidget *window)
{
    if (window && window->isVisible())
        print("window", window->objectName(), window->frameGeometry());
}

void reportShown(const QString &name)
{
    report(WindowRegistry::show(name));
}

// Each practical: its front page, its experiment window by the Tutorial
// button, then its other windows over it.
struct Practical
{
    QString front;
    QString tutorialButton;
    QString experiment;
    QStringList others;
    QString helpFile;
};

void reportPractical(const Practical &practical)
{
    FormWindow *front = ShellFixture::showFrontPage(practical.front);
    report(front);
    if (!front)
        return;
    WindowProbe::click(front, practical.tutorialButton);
    reportShown(practical.experiment);
    HelpEngine::run(WindowRegistry::find(practical.experiment), practical.helpFile, HelpEngine::ForceFile, 0);
    if (HelpViewer *help = HelpEngine::viewer(practical.helpFile))
        print("window", QStringLiteral("help:") + practical.helpFile, help->frameGeometry());
    for (const QString &other : practical.others)
        reportShown(other);
    TestWindows::unloadEverything();
}

} // namespace

int run(int argc, char **argv)
{
    const std::unique_ptr<QApplication> app = ProgramStart::createApplication(argc, argv);
    MessageBoxScript boxes;
    for (int i = 0; i < 8; ++i)
        boxes.answerNext(MessageBoxes::Answer::Yes);
    ShellFixture::setUp();
    ProgramWindows::define(ShellFixture::practicals());

    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    std::printf("factor %s\n", factor.isEmpty() ? "1" : factor.constData());
    std::printf("ratio %g\n", QGuiApplication::primaryScreen()->devicePixelRatio());
    print("screen", QString(), QGuiApplication::primaryScreen()->geometry());
    print("area", QString(), DesignArea::rect());

    reportShown(WindowNames::Splash);
    reportShown(WindowNames::Selection);
    reportShown(WindowNames::Instructions);
    TestWindows::unloadEverything();
    const Practical practicals[] = {
        {WindowNames::HeartFront,
         QStringLiteral("Cmd_Tutorial"),
         WindowNames::Heart,
         {WindowNames::HeartTable, WindowNames::HeartQuestion},
         QStringLiteral("heart.hlp")},
        {WindowNames::IleumFront,
         QStringLiteral("Cmd_Tut"),
         WindowNames::Ileum,
         {WindowNames::IleumExam, WindowNames::IleumQuestion},
         QStringLiteral("ileum.hlp")},
        {WindowNames::OesoFront,
         QStringLiteral("Cmd_Tut"),
         WindowNames::Oesophagus,
         {WindowNames::OesoTable, WindowNames::OesoQuestion},
         QStringLiteral("oesopha.hlp")},
        {WindowNames::RabbitFront,
         QStringLiteral("Cmd_Tut"),
         WindowNames::Rabbit,
         {WindowNames::RabbitTable},
         QStringLiteral("rabbit.hlp")},
    };
    for (const Practical &practical : practicals)
        reportPractical(practical);
    for (const MessageBoxes::Request &box : boxes.asked())
        std::printf("box %s\n", qPrintable(box.title));
    std::fflush(stdout);
    return 0;
}

} // namespace ScreenReport
