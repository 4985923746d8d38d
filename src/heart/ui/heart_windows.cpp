#include "heart/ui/heart_windows.h"

#include "heart/ui/frm_heart.h"
#include "heart/ui/frm_heart_table.h"
#include "heart/ui/frm_question.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace HeartWindows {

void define()
{
    WindowRegistry::define(WindowNames::Heart, [] { return new Frm_Heart; });
    WindowRegistry::define(WindowNames::HeartTable, [] { return new Frm_Heart_Table; });
    WindowRegistry::define(WindowNames::HeartQuestion, [] { return new Frm_Question; });
}

} // namespace HeartWindows
