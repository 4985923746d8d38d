#pragma once

// Makes the frog heart's windows known to the window registry: the
// experiment window, its results table and its questions window.
namespace Heart {
struct HeartPractical;
}

namespace HeartWindows {
void define(Heart::HeartPractical &practical);
}
