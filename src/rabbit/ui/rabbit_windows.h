#pragma once

// Makes the rabbit eye's windows known to the window registry: the
// experiment window and its results window.
namespace Rab_eye {
struct RabPractical;
}

namespace RabbitWindows {
void define(Rab_eye::RabPractical &practical);
}
