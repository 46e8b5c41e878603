#include "tests/hooklib/record_receiver.h"

#include <algorithm>
#include <cstring>

#include "tests/hooklib/test_window.h"

namespace lexorin::hooklib::test {

RecordReceiver::RecordReceiver(RECT screenRect) {
  static const ATOM atom = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &RecordReceiver::windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass);
  }();
  (void)atom;
  window_ = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_POPUP, screenRect.left, screenRect.top,
                            screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
}

RecordReceiver::~RecordReceiver() { DestroyWindow(window_); }

LRESULT CALLBACK RecordReceiver::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<RecordReceiver>(window, message, lParam);
  if (message == WM_COPYDATA && self != nullptr) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    ReceivedRecord received{wParam, copy->dwData, copy->cbData, {}};
    std::memcpy(&received.record, copy->lpData, std::min<std::size_t>(copy->cbData, sizeof received.record));
    self->records_.push_back(received);
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lexorin::hooklib::test
