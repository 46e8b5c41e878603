#include "tests/hooklib/probe.h"

#include "hooklib/api_hook.h"
#include "hooklib/capture_engine.h"
#include "hooklib/capture_state.h"
#include "hooklib/target_window.h"

using namespace lexorin::hooklib;

extern "C" {

int ProbeCaptureAt(POINT screenPoint, lexorin::CaptureRecord* record) {
  captureState().point = screenPoint;
  const int length = CaptureWordAtPoint();
  if (length != 0) fillCaptureRecord(*record, captureState().word);
  return length;
}

int ProbeLiveHookCount() {
  int count = 0;
  for (const ApiHook* hook = ApiHook::liveList(); hook != nullptr; hook = hook->next()) ++count;
  return count;
}

BOOL ProbeBlitRecordIsClear() { return captureState().blit == BlitRecord{}; }

HWND ProbeFindTargetWindow(POINT screenPoint) { return FindTargetWindow(screenPoint); }
}
