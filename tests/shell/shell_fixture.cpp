#include "shell/shell_fixture.h"

#include "shell/shell_windows.h"
#include "widgets/program_end.h"
#include "widgets/window_registry.h"

#include <QLineEdit>

void RefusingExperimentWindow::load()
{
    WindowRegistry::unload(objectName());
}

namespace ShellFixture {

Practicals &practicals()
{
    static Practicals owned;
    return owned;
}

void setUp()
{
    TestSeams::useRunFolder();
    practicals() = Practicals();
    ShellWindows::define(practicals());
    // As in the program: a window unloaded before the next one is shown
    // leaves none, and that ends the program.
    WindowRegistry::setLastUnloadHandler([] { ProgramEnd::endProgram(); });
}

FormWindow *showFrontPage(const QString &name)
{
    FormWindow *front = WindowRegistry::show(name);
    if (front) {
        if (auto *proceed = front->findChild<QWidget *>(QStringLiteral("Image3")); proceed && proceed->isVisible())
            QTest::mouseClick(proceed, Qt::LeftButton);
    }
    return front;
}

void chooseTutorial(const QString &frontPage)
{
    if (FormWindow *front = showFrontPage(frontPage))
        WindowProbe::click(front, QStringLiteral("Cmd_Tut"));
}

void chooseExamination(const QString &frontPage, const QString &password)
{
    FormWindow *front = showFrontPage(frontPage);
    if (!front)
        return;
    WindowProbe::click(front, QStringLiteral("cmd_exam"));
    QTest::keyClicks(WindowProbe::control<QLineEdit>(front, QStringLiteral("Txt_PassW")), password);
    WindowProbe::click(front, QStringLiteral("Cmd_ok"));
}

void defineStubs(const QStringList &names)
{
    for (const QString &name : names)
        WindowRegistry::define(name, [name] { return new StubExperimentWindow(name); });
}

} // namespace ShellFixture
