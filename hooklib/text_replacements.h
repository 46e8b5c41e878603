#pragma once
// The functions that stand in for the process's text output during a
// capture, and the order in which the capture's repaints redirect them.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <span>

namespace lexorin::hooklib {

struct Redirection {
  const char* calleeModule;
  const char* functionName;
  PROC replacement;
};

// One repaint of the captured window, with its redirections in place
// (created in order, removed in reverse order).
inline constexpr int kMaxRedirectionsPerRepaint = 2;

struct RepaintStep {
  Redirection redirections[kMaxRedirectionsPerRepaint];
  int count;
};

// TextOutA, TextOutW, ExtTextOutA, then ExtTextOutW together with BitBlt
// (whose copies onto the captured window are recorded for the rest of the
// capture), then DrawTextA, DrawTextW, DrawTextExA, DrawTextExW.
std::span<const RepaintStep> captureRepaintSteps();

// DrawText's count: -1 stands for the whole NUL-terminated string. Any other
// negative count is not measured (0).
inline int drawTextLength(const char* text, int count) {
  return count == -1 ? static_cast<int>(std::strlen(text)) : (count < 0 ? 0 : count);
}
inline int drawTextLength(const wchar_t* text, int count) {
  return count == -1 ? static_cast<int>(std::wcslen(text)) : (count < 0 ? 0 : count);
}

}  // namespace lexorin::hooklib
