#include "app/program_start.h"

#include "app/display_scale.h"
#include "app/start_options.h"

namespace ProgramStart {

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    const StartOptions::Choice options = StartOptions::readBeforeStart(argc, argv);
    DisplayScale::chooseBeforeStart(argc, argv, options.scale);
    auto app = std::make_unique<QApplication>(argc, argv);
    StartOptions::refuseUnknown(*app);
    return app;
}

} // namespace ProgramStart
