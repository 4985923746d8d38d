#include "ileum_windows.h"

#include "frm_i_exam.h"
#include "frm_ile_question.h"
#include "frm_ileum.h"
#include "window_names.h"
#include "window_registry.h"

namespace IleumWindows {

void define()
{
    WindowRegistry::define(WindowNames::Ileum, [] { return new Frm_Ileum; });
    WindowRegistry::define(WindowNames::IleumExam, [] { return new Frm_I_Exam; });
    WindowRegistry::define(WindowNames::IleumQuestion, [] { return new Frm_Ile_Question; });
}

} // namespace IleumWindows
