#include "support/windows/test_windows.h"

#include "widgets/help_engine.h"
#include "widgets/program_end.h"
#include "widgets/window_registry.h"

#include <QCoreApplication>
#include <QEvent>

namespace TestWindows {

void unloadEverything()
{
    WindowRegistry::unloadAll();
    HelpEngine::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgramEnd::resetForTest();
}

} // namespace TestWindows
