#include "shell/shell_windows.h"

#include "shell/frm_heart_main.h"
#include "shell/frm_il_main.h"
#include "shell/frm_instruct.h"
#include "shell/frm_oeso_main.h"
#include "shell/frm_rab_main.h"
#include "shell/frm_selection.h"
#include "shell/frm_vivosim.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

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
