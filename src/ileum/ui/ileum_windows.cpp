#include "ileum/ui/ileum_windows.h"

#include "ileum/ui/frm_i_exam.h"
#include "ileum/ui/frm_ile_question.h"
#include "ileum/ui/frm_ileum.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace IleumWindows {

void define(ileum::IleumPractical &practical)
{
    WindowRegistry::define(WindowNames::Ileum, [&practical] { return new Frm_Ileum(practical); });
    WindowRegistry::define(WindowNames::IleumExam, [&practical] { return new Frm_I_Exam(practical); });
    WindowRegistry::define(WindowNames::IleumQuestion, [] { return new Frm_Ile_Question; });
}

} // namespace IleumWindows
