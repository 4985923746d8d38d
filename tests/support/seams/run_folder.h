#pragma once

class QString;

namespace TestSeams {
// Points the program's file look-ups at the build's run folder, and keeps the
// offscreen platform's own warnings out of the test log.
void useRunFolder();
// Copies the program's pictures into folder/pictures, for a run folder of a
// test's own; false when a copy fails.
bool copyPicturesInto(const QString &folder);
} // namespace TestSeams
