#pragma once

// Makes the ileum practical's windows known to the window registry: the
// experiment window, the scoring window and the questions window.
namespace ileum {
struct IleumPractical;
}

namespace IleumWindows {

void define(ileum::IleumPractical &practical);

} // namespace IleumWindows
