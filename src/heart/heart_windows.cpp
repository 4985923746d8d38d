#include "heart_windows.h"

#include "frm_heart.h"
#include "frm_heart_table.h"
#include "frm_question.h"
#include "window_names.h"
#include "window_registry.h"

namespace HeartWindows {

void define()
{
    WindowRegistry::define(WindowNames::Heart, [] { return new Frm_Heart; });
    WindowRegistry::define(WindowNames::HeartTable, [] { return new Frm_Heart_Table; });
    WindowRegistry::define(WindowNames::HeartQuestion, [] { return new Frm_Question; });
}

} // namespace HeartWindows
