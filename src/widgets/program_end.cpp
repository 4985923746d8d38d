#include "widgets/program_end.h"

#include "widgets/help_engine.h"
#include "widgets/window_registry.h"

namespace ProgramEnd {

namespace {
bool ended = false;
std::function<void()> &quitHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void endProgram()
{
    ended = true;
    WindowRegistry::unloadAll();
    HelpEngine::closeAll();
    if (quitHandler())
        quitHandler()();
}

bool hasEnded()
{
    return ended;
}

void setQuitHandler(std::function<void()> quit)
{
    quitHandler() = std::move(quit);
}

void resetForTest()
{
    ended = false;
}

} // namespace ProgramEnd
