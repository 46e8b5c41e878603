#pragma once
// GlanceHookProbe.dll: the capture engine of GlanceHook.dll built into a
// library of its own, whose exports let a test run a capture directly on its
// own GUI thread and look at the state it leaves.
#include <windows.h>

#include "capture/capture_record.h"

#ifdef GLANCEHOOK_PROBE_BUILD
#define GLANCEHOOK_PROBE_API __declspec(dllexport)
#else
#define GLANCEHOOK_PROBE_API __declspec(dllimport)
#endif

extern "C" {

// Captures the word at a screen point and packs it into `record` as the hook
// library would send it. Returns the word's length (0: none; `record` is
// then left alone).
GLANCEHOOK_PROBE_API int ProbeCaptureAt(POINT screenPoint, lexorin::CaptureRecord* record);

// How many redirections are in force now.
GLANCEHOOK_PROBE_API int ProbeLiveHookCount();

// Whether the record of bitmap copies onto the captured window is all zero.
GLANCEHOOK_PROBE_API BOOL ProbeBlitRecordIsClear();

// The window a capture at the point would repaint.
GLANCEHOOK_PROBE_API HWND ProbeFindTargetWindow(POINT screenPoint);
}
