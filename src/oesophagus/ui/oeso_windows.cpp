#include "oesophagus/ui/oeso_windows.h"

#include "oesophagus/ui/frm_oeso_quest.h"
#include "oesophagus/ui/frm_oeso_table.h"
#include "oesophagus/ui/frm_oesophagus.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace OesoWindows {

void define(Mod_Oeso::OesoPractical &practical)
{
    WindowRegistry::define(WindowNames::Oesophagus, [&practical] { return new Frm_Oesophagus(practical); });
    WindowRegistry::define(WindowNames::OesoTable, [&practical] { return new Frm_Oeso_Table(practical); });
    WindowRegistry::define(WindowNames::OesoQuestion, [] { return new Frm_Oeso_Quest(); });
}

} // namespace OesoWindows
