#include "shell/shell_windows.h"

#include "shell/frm_heart_main.h"
#include "shell/frm_il_main.h"
#include "shell/frm_instruct.h"
#include "shell/frm_oeso_main.h"
#include "shell/frm_rab_main.h"
#include "shell/frm_selection.h"
#include "shell/frm_vivosim.h"
#include "shell/practicals.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace ShellWindows {

void define(Practicals &practicals)
{
    WindowRegistry::define(WindowNames::Splash, [] { return new Frm_Vivosim; });
    WindowRegistry::define(WindowNames::Selection, [] { return new Frm_Selection; });
    WindowRegistry::define(WindowNames::Instructions, [] { return new Frm_instruct; });
    WindowRegistry::define(WindowNames::HeartFront, [&practicals] { return new Frm_Heart_Main(practicals.heart); });
    WindowRegistry::define(WindowNames::IleumFront, [&practicals] { return new Frm_il_main(practicals.ileum); });
    WindowRegistry::define(WindowNames::OesoFront, [&practicals] { return new Frm_Oeso_main(practicals.oesophagus); });
    WindowRegistry::define(WindowNames::RabbitFront, [&practicals] { return new Frm_Rab_main(practicals.rabbit); });
}

} // namespace ShellWindows
