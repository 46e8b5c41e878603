#include "tests/hooklib/two_runs.h"

#include "tests/hooklib/test_window.h"

namespace lexorin::hooklib::test {

namespace {

constexpr wchar_t kWideRun[] = L"hello, world";
constexpr char kNarrowRun[] = "good morning";
constexpr wchar_t kNarrowRunAsWide[] = L"good morning";
constexpr POINT kWideTopLeft{20, 20};
constexpr POINT kNarrowTopLeft{20, 60};

}  // namespace

void paintTwoRuns(HDC dc, HFONT font) {
  SelectObject(dc, font);
  TextOutW(dc, kWideTopLeft.x, kWideTopLeft.y, kWideRun, 12);
  TextOutA(dc, kNarrowTopLeft.x, kNarrowTopLeft.y, kNarrowRun, 12);
}

POINT pointOnWorld(HWND window, HFONT font) { return characterCenter(window, font, kWideTopLeft, kWideRun, 8); }

POINT pointOnMorning(HWND window, HFONT font) {
  return characterCenter(window, font, kNarrowTopLeft, kNarrowRunAsWide, 7);
}

POINT pointOnBlank(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT p{client.right - 10, client.bottom - 10};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace lexorin::hooklib::test
