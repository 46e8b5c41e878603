#include "hooklib/target_window.h"

namespace lexorin::hooklib {

namespace {

long long area(const RECT& r) {
  return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

}  // namespace

HWND FindTargetWindow(POINT screenPoint) {
  const HWND hit = WindowFromPoint(screenPoint);
  if (hit == nullptr) return nullptr;
  HWND best = hit;
  RECT bestRect{};
  GetWindowRect(hit, &bestRect);
  const HWND parent = GetParent(hit);
  if (parent == nullptr) return hit;
  for (HWND sibling = GetWindow(hit, GW_HWNDNEXT); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    RECT rect{};
    if (!GetWindowRect(sibling, &rect) || !PtInRect(&rect, screenPoint)) continue;
    if (GetParent(sibling) != parent || !IsWindowVisible(sibling)) continue;
    if (area(rect) < area(bestRect)) {
      best = sibling;
      bestRect = rect;
    }
  }
  return best;
}

}  // namespace lexorin::hooklib
