#pragma once
// Windows and text for the capture tests: a frameless top-level window that
// paints what the test asks, the font the tests draw with, and where a
// character of a drawn run lies on the screen.
#include <windows.h>

#include <functional>
#include <string_view>

namespace lexorin::hooklib::test {

class TestWindow {
 public:
  using Painter = std::function<void(HDC)>;

  TestWindow(RECT screenRect, const char* title);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return window_; }
  // Replaces what the window paints and paints it at once.
  void setPainter(Painter painter);
  POINT toScreen(POINT client) const;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  Painter painter_;
};

// The object whose address a window was created with (its creation
// parameter), for the window procedure of a class that keeps one.
template <class Object>
Object* windowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Dispatches every message waiting for this thread.
void pumpMessages();

// A proportional TrueType font, 16 pixels high. The caller deletes it.
HFONT createTextFont();

// The size of `text` drawn with `font`.
SIZE textExtent(HFONT font, std::wstring_view text);

// The screen point in the middle of character `index` (0-based) of `text`
// drawn with `font` with its top-left corner at `topLeft` in the client area
// of `window`. Index `text.size()` gives a point in the blank space just
// after the run.
POINT characterCenter(HWND window, HFONT font, POINT topLeft, std::wstring_view text, int index);

}  // namespace lexorin::hooklib::test
