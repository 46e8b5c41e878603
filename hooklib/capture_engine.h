#pragma once

namespace lexorin::hooklib {

// Finds the word drawn under the capture state's point: makes the window
// under the point repaint itself eight times, each time with some of the
// process's text output redirected through the measuring replacements.
// Returns the word's length (0: no word); the word is in the capture state.
// Every redirection is undone before it returns.
int CaptureWordAtPoint();

}  // namespace lexorin::hooklib
