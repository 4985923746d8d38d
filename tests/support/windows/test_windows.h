#pragma once

namespace TestWindows {
// Unloads every window, closes help and lets deferred deletions happen.
void unloadEverything();
} // namespace TestWindows
