#pragma once

#include <optional>

class QCoreApplication;

// The program's command line: --help, --version and --scale FACTOR, beside
// the options Qt itself takes (-platform, -style, ...).
namespace StartOptions {

struct Choice
{
    std::optional<double> scale; // --scale: the factor the user chose
};

// Read before the application object exists. --help and --version print
// their text and end the program; a factor that is not a number from 0.5 to 8
// ends it with a message.
Choice readBeforeStart(int argc, char **argv);

// Read again once Qt has taken its own options out: an option that is neither
// Qt's nor the program's ends the program with a message.
void refuseUnknown(const QCoreApplication &app);

} // namespace StartOptions
