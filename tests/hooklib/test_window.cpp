#include "tests/hooklib/test_window.h"

namespace lexorin::hooklib::test {

namespace {

constexpr char kClassName[] = "HooklibTestWindow";

void registerClassOnce(WNDPROC windowProc) {
  static const ATOM atom = [windowProc] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass);
  }();
  (void)atom;
}

}  // namespace

TestWindow::TestWindow(RECT screenRect, const char* title) {
  registerClassOnce(&TestWindow::windowProc);
  window_ = CreateWindowExA(0, kClassName, title, WS_POPUP | WS_CLIPCHILDREN, screenRect.left, screenRect.top,
                            screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  pumpMessages();
}

TestWindow::~TestWindow() {
  DestroyWindow(window_);
  pumpMessages();
}

void TestWindow::setPainter(Painter painter) {
  painter_ = std::move(painter);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pumpMessages();
}

POINT TestWindow::toScreen(POINT client) const {
  ClientToScreen(window_, &client);
  return client;
}

LRESULT CALLBACK TestWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<TestWindow>(window, message, lParam);
  if (message == WM_PAINT && self != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (self->painter_) {
      const int saved = SaveDC(dc);
      self->painter_(dc);
      RestoreDC(dc, saved);
    }
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HFONT createTextFont() {
  return CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                     ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma");
}

SIZE textExtent(HFONT font, std::wstring_view text) {
  HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size;
}

POINT characterCenter(HWND window, HFONT font, POINT topLeft, std::wstring_view text, int index) {
  const int left = textExtent(font, text.substr(0, index)).cx;
  const SIZE whole = textExtent(font, text);
  const int right = index < static_cast<int>(text.size()) ? textExtent(font, text.substr(0, index + 1)).cx
                                                         : whole.cx + 2 * (whole.cx / static_cast<int>(text.size()));
  POINT p{topLeft.x + (left + right) / 2, topLeft.y + whole.cy / 2};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace lexorin::hooklib::test
