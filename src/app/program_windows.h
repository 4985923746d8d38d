#pragma once

struct Practicals;

// Every window of the program, defined in the window registry on the
// practicals' states the program owns: the shell's and each practical's.
namespace ProgramWindows {

void define(Practicals &practicals);

} // namespace ProgramWindows
