// The program a cross-process test right-clicks: a window with one run of
// wide text and one of 8-bit text. On its standard output it tells where the
// words are on the screen and which mouse buttons reached its window.
//   window <handle>
//   point <name> <x> <y>      for "world", "morning" and "blank"
//   rbuttondown | rbuttonup | lbuttondown | mbuttondown
// It ends when its window is closed.
#include <windows.h>

#include <cstdio>

#include "tests/hooklib/test_window.h"
#include "tests/hooklib/two_runs.h"

using namespace lexorin::hooklib::test;

namespace {

WNDPROC paintingProc = nullptr;

LRESULT CALLBACK reportingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RBUTTONDOWN:
      std::puts("rbuttondown");
      break;
    case WM_RBUTTONUP:
      std::puts("rbuttonup");
      break;
    case WM_LBUTTONDOWN:
      std::puts("lbuttondown");
      break;
    case WM_MBUTTONDOWN:
      std::puts("mbuttondown");
      break;
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return CallWindowProcA(paintingProc, window, message, wParam, lParam);
}

void printPoint(const char* name, POINT p) { std::printf("point %s %ld %ld\n", name, p.x, p.y); }

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const HFONT font = createTextFont();
  TestWindow window(RECT{0, 0, 400, 120}, "Glance target");
  window.setPainter([font](HDC dc) { paintTwoRuns(dc, font); });
  paintingProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window.handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&reportingProc)));
  SetForegroundWindow(window.handle());

  std::printf("window %llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window.handle())));
  printPoint("world", pointOnWorld(window.handle(), font));
  printPoint("morning", pointOnMorning(window.handle(), font));
  printPoint("blank", pointOnBlank(window.handle()));

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(font);
  return 0;
}
