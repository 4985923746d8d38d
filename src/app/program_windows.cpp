#include "app/program_windows.h"

#include "heart/ui/heart_windows.h"
#include "ileum/ui/ileum_windows.h"
#include "oesophagus/ui/oeso_windows.h"
#include "rabbit/ui/rabbit_windows.h"
#include "shell/practicals.h"
#include "shell/shell_windows.h"

namespace ProgramWindows {

void define(Practicals &practicals)
{
    ShellWindows::define(practicals);
    HeartWindows::define(practicals.heart);
    IleumWindows::define(practicals.ileum);
    OesoWindows::define(practicals.oesophagus);
    RabbitWindows::define(practicals.rabbit);
}

} // namespace ProgramWindows
