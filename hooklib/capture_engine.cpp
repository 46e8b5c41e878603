#include "hooklib/capture_engine.h"

#include <windows.h>

#include <memory>
#include <new>

#include "hooklib/api_hook.h"
#include "hooklib/capture_state.h"
#include "hooklib/target_window.h"
#include "hooklib/text_replacements.h"

namespace lexorin::hooklib {

namespace {

// The window, its frame and all its children, painted before RedrawWindow
// returns.
constexpr UINT kRepaintNow = RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
static_assert(kRepaintNow == 0x591);

void repaintRedirected(HWND window, const RepaintStep& step) {
  std::unique_ptr<ApiHook> hooks[kMaxRedirectionsPerRepaint];
  for (int i = 0; i < step.count; ++i) {
    const Redirection& r = step.redirections[i];
    // A hook that cannot be allocated leaves its function alone; the repaint still runs.
    hooks[i].reset(new (std::nothrow) ApiHook(r.calleeModule, r.functionName, r.replacement, true));
  }
  RedrawWindow(window, nullptr, nullptr, kRepaintNow);
  for (int i = step.count; i-- > 0;) hooks[i].reset();
}

}  // namespace

int CaptureWordAtPoint() {
  CaptureState& state = captureState();
  state.target = FindTargetWindow(state.point);
  state.word.length = 0;
  // Without a window there is nothing to measure; repainting "no window"
  // would repaint the whole desktop.
  if (state.target != nullptr) {
    for (const RepaintStep& step : captureRepaintSteps()) repaintRedirected(state.target, step);
  }
  state.blit = {};
  return state.word.length;
}

}  // namespace lexorin::hooklib
