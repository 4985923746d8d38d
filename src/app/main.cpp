#include "app/program_start.h"
#include "app/program_windows.h"
#include "core/asset_paths.h"
#include "shell/practicals.h"
#include "widgets/program_end.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> app = ProgramStart::createApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vivosim"));
    // Names the menu entry the package installs, so a desktop shows its icon
    // and name for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vivosim.vivosim"));
    QApplication::setWindowIcon(QIcon(AssetPaths::picture(QStringLiteral("vivosim.svg"))));
    // The program ends by its own rules (Quit, the last window unloaded, a
    // refused screen), not whenever no window happens to be visible.
    QApplication::setQuitOnLastWindowClosed(false);
    ProgramEnd::setQuitHandler([] { QCoreApplication::quit(); });
    WindowRegistry::setLastUnloadHandler([] { ProgramEnd::endProgram(); });

    Practicals practicals;
    ProgramWindows::define(practicals);

    WindowRegistry::show(WindowNames::Splash);
    return app->exec();
}
