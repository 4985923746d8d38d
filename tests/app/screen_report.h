#pragma once

// The child side of tst_screen_fit: starts the program as main does (its
// command line, its scale, its windows) on the screen the offscreen platform
// poses as, opens every window of every practical in turn and prints where
// each stands, one fact per line:
//   factor 1.8            the scale Qt was given (1 when none)
//   ratio 1.8             device pixels per logical pixel
//   screen 0 0 1067 600   the primary screen, logical pixels
//   area 133 0 800 600    the design area
//   box TITLE             a message box asked (each answered Yes)
//   window Frm_Heart 133 0 800 600
namespace ScreenReport {

int run(int argc, char **argv);

} // namespace ScreenReport
