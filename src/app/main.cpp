#include "asset_paths.h"
#include "heart_windows.h"
#include "ileum_windows.h"
#include "program_end.h"
#include "shell_windows.h"
#include "window_names.h"
#include "window_registry.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vivosim"));
    QApplication::setWindowIcon(QIcon(AssetPaths::picture(QStringLiteral("vivosim.svg"))));
    // The program ends by its own rules (Quit, the last window unloaded, a
    // refused screen), not whenever no window happens to be visible.
    QApplication::setQuitOnLastWindowClosed(false);
    ProgramEnd::setQuitHandler([] { QCoreApplication::quit(); });
    WindowRegistry::setLastUnloadHandler([] { ProgramEnd::endProgram(); });

    ShellWindows::define();
    HeartWindows::define();
    IleumWindows::define();

    WindowRegistry::show(WindowNames::Splash);
    return app.exec();
}
