#pragma once

namespace TestSeams {
// Points the program's file look-ups at the build's run folder, and keeps the
// offscreen platform's own warnings out of the test log.
void useRunFolder();
} // namespace TestSeams
