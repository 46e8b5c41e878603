// The entry points of GlanceHook.dll: loading and unloading, the mouse and
// keyboard hook procedures the main program installs for all threads, and
// the hand-over of a captured word to the main window.
#include <windows.h>

#include <cstdint>

#include "capture/capture_record.h"
#include "hooklib/capture_engine.h"
#include "hooklib/capture_settings.h"
#include "hooklib/capture_state.h"
#include "hooklib/captured_word.h"
#include "hooklib/registry_helper.h"

using namespace lexorin;
using namespace lexorin::hooklib;

namespace {

static_assert(kHookActionCode == HC_ACTION);

// Each process the library is mapped into has its own copy of all of this.
const RegistryHelper registry;
CaptureRecord record{};
bool busy = false;  // a mouse-triggered capture is running
HANDLE installedMarker = nullptr;
BOOL alreadyInstalled = FALSE;
HHOOK ownHook = nullptr;  // never set: the main program installs and removes the hooks itself

// A named event whose existence tells a later copy of the library that an
// earlier one is loaded somewhere. It is never signalled or waited on.
constexpr char kInstalledMarkerName[] = "gettext";

std::uint32_t readOption(const char* valueName) { return registry.ReadDword(kOptionsSubkey, valueName); }

HWND findMainWindow() { return FindWindowA(kMainWindowClass, kMainWindowTitle); }

void SendCapturedWord() {
  fillCaptureRecord(record, captureState().word);
  const HWND mainWindow = findMainWindow();
  if (mainWindow == nullptr) return;
  COPYDATASTRUCT copy{kCaptureRecordCopyDataId, kCaptureRecordSize, &record};
  // Synchronous: this thread waits while the main program looks the word up.
  SendMessageA(mainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  ShowWindow(mainWindow, SW_RESTORE);
  SetForegroundWindow(mainWindow);
}

void captureAt(POINT screenPoint) {
  captureState().point = screenPoint;
  if (CaptureWordAtPoint() != 0) SendCapturedWord();
}

// Returns 1 (the button-down is discarded) unless the main program's own
// window is active, and refuses a nested button-down that arrives while a
// capture repaints.
LRESULT captureOnRightButtonDown(const MOUSEHOOKSTRUCT& mouse) {
  if (busy) return 1;
  busy = true;
  const HWND active = GetActiveWindow();
  if (active != nullptr && active == findMainWindow()) {
    busy = false;
    return 0;
  }
  captureAt(mouse.pt);
  busy = false;
  return 1;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      SetLastError(ERROR_SUCCESS);
      installedMarker = CreateEventA(nullptr, FALSE, FALSE, kInstalledMarkerName);
      alreadyInstalled = GetLastError() == ERROR_ALREADY_EXISTS;
      busy = false;
      break;
    case DLL_PROCESS_DETACH:
      if (installedMarker != nullptr) CloseHandle(installedMarker);
      break;
    default:
      break;
  }
  return TRUE;
}

// Right clicks, while right-click capture is on, never reach the program
// under the pointer: the button-down captures and the button-up is dropped.
// Other mouse messages go on to the next hook. While capture is off every
// message goes to its window at once.
LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data) {
  const MouseModes modes{readOption(kRightMouseValue), readOption(kShiftAndRightMouseValue),
                         readOption(kCtrlAndRightMouseValue)};
  if (!mouseCaptureEnabled(modes, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0)) return 0;
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      return captureOnRightButtonDown(*reinterpret_cast<const MOUSEHOOKSTRUCT*>(data));
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
      return 1;
    default:
      return CallNextHookEx(nullptr, code, message, data);
  }
}

// Captures the word under the mouse pointer when the hot key fires.
// Keystrokes are never discarded.
LRESULT CALLBACK KeyboardProc(int code, WPARAM virtualKey, LPARAM keystroke) {
  if (code != kHookActionCode) return 0;
  const std::uint32_t hotKey = readOption(kHotKeyVirtualKeyValue);
  const std::uint32_t hotKeyKeystroke = readOption(kHotKeyKeystrokeValue);
  if (!hotKeyFires(code, static_cast<std::uint32_t>(virtualKey), static_cast<std::uint32_t>(keystroke), hotKey,
                   hotKeyKeystroke)) {
    return 0;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  captureAt(cursor);
  return 0;
}

BOOL WINAPI IsAlreadyInstalled() { return alreadyInstalled; }

BOOL WINAPI SetHook() { return ownHook == nullptr; }

BOOL WINAPI UnHook() { return UnhookWindowsHookEx(ownHook); }

}  // extern "C"
