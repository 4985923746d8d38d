#pragma once

// Makes the shell's windows known to the window registry: the splash, the
// selection window, the instructions chooser and the four front pages.
struct Practicals;

namespace ShellWindows {
void define(Practicals &practicals);
}
