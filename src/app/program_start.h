#pragma once

#include <QApplication>

#include <memory>

// How the program starts, before its first window: its command line is read
// (--help and --version end it there), its one scale chosen, and the
// application object made at that scale.
namespace ProgramStart {

std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

} // namespace ProgramStart
