#include "rabbit/ui/rabbit_windows.h"

#include "rabbit/ui/frm_rab_table.h"
#include "rabbit/ui/frm_rabbit.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace RabbitWindows {

void define(Rab_eye::RabPractical &practical)
{
    WindowRegistry::define(WindowNames::Rabbit, [&practical] { return new Frm_Rabbit(practical); });
    WindowRegistry::define(WindowNames::RabbitTable, [&practical] { return new Frm_Rab_Table(practical); });
}

} // namespace RabbitWindows
