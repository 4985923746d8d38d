#pragma once

#include <functional>

// Ending the program: every window is unloaded, every help window closed, and
// the application's event loop is asked to stop.
namespace ProgramEnd {

void endProgram();
bool hasEnded();

// What stops the application once the windows are gone; the program's main
// sets it. Tests leave it empty and look at hasEnded().
void setQuitHandler(std::function<void()> quit);
void resetForTest();

} // namespace ProgramEnd
