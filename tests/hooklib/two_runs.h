#pragma once
// A window content for capturing whole words: "hello, world" drawn as wide
// text above "good morning" drawn as 8-bit text.
#include <windows.h>

namespace lexorin::hooklib::test {

void paintTwoRuns(HDC dc, HFONT font);

// Screen points on "world" and on "morning" in a window painted so, and one
// on blank space below and right of both runs.
POINT pointOnWorld(HWND window, HFONT font);
POINT pointOnMorning(HWND window, HFONT font);
POINT pointOnBlank(HWND window);

}  // namespace lexorin::hooklib::test
