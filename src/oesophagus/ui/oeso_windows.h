#pragma once

// Makes the frog oesophagus's windows known to the window registry: the
// experiment window, its results table and its questions window.
namespace Mod_Oeso {
struct OesoPractical;
}

namespace OesoWindows {
void define(Mod_Oeso::OesoPractical &practical);
}
