#pragma once
#include <windows.h>

namespace lexorin::hooklib {

// Measures a run of text that is about to be drawn at (x, y) on `dc` against
// the capture point. When the point lies on a word of the run, the word goes
// into the capture state's word buffer and its length is returned; otherwise
// 0. All measurements use the device context as the drawing call receives
// it: its font, mapping mode, alignment and current position.
int HitTestText(HDC dc, int x, int y, const char* text, int count);
int HitTestText(HDC dc, int x, int y, const wchar_t* text, int count);

}  // namespace lexorin::hooklib
