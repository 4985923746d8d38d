#include "heart/ui/heart_windows.h"

#include "heart/ui/frm_heart.h"
#include "heart/ui/frm_heart_table.h"
#include "heart/ui/frm_question.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace HeartWindows {

void define(Heart::HeartPractical &practical)
{
    WindowRegistry::define(WindowNames::Heart, [&practical] { return new Frm_Heart(practical); });
    WindowRegistry::define(WindowNames::HeartTable, [&practical] { return new Frm_Heart_Table(practical); });
    WindowRegistry::define(WindowNames::HeartQuestion, [&practical] { return new Frm_Question(practical); });
}

} // namespace HeartWindows
