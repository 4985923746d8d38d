#include "shell_windows.h"

#include "frm_heart_main.h"
#include "frm_il_main.h"
#include "frm_instruct.h"
#include "frm_oeso_main.h"
#include "frm_rab_main.h"
#include "frm_selection.h"
#include "frm_vivosim.h"
#include "window_names.h"
#include "window_registry.h"

namespace ShellWindows {

void define()
{
    WindowRegistry::define(WindowNames::Splash, [] { return new Frm_Vivosim; });
    WindowRegistry::define(WindowNames::Selection, [] { return new Frm_Selection; });
    WindowRegistry::define(WindowNames::Instructions, [] { return new Frm_instruct; });
    WindowRegistry::define(WindowNames::HeartFront, [] { return new Frm_Heart_Main; });
    WindowRegistry::define(WindowNames::IleumFront, [] { return new Frm_il_main; });
    WindowRegistry::define(WindowNames::OesoFront, [] { return new Frm_Oeso_main; });
    WindowRegistry::define(WindowNames::RabbitFront, [] { return new Frm_Rab_main; });
}

} // namespace ShellWindows
