#include "ileum/ui/ileum_windows.h"

#include "ileum/ui/frm_i_exam.h"
#include "ileum/ui/frm_ile_question.h"
#include "ileum/ui/frm_ileum.h"
#include "widgets/window_names.h"
#include "widgets/window_registry.h"

namespace IleumWindows {

void define()
{
    WindowRegistry::define(WindowNames::Ileum, [] { return new Frm_Ileum; });
    WindowRegistry::define(WindowNames::IleumExam, [] { return new Frm_I_Exam; });
    WindowRegistry::define(WindowNames::IleumQuestion, [] { return new Frm_Ile_Question; });
}

} // namespace IleumWindows
