#pragma once
// What a capture works on in this process. Replacements running on other
// threads of the process during a repaint read and write it too, without a
// lock; once a word is found, they leave it alone.
#include <windows.h>

#include "hooklib/captured_word.h"
#include "hooklib/hit_geometry.h"

namespace lexorin::hooklib {

struct CaptureState {
  POINT point{};          // screen point, set by the hook procedure before a capture
  HWND target = nullptr;  // the window repainted; kept between captures
  BlitRecord blit;        // zero outside a capture
  CapturedWord word;      // kept until the next capture overwrites it
};

CaptureState& captureState();

}  // namespace lexorin::hooklib
