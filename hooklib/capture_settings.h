#pragma once
// The capture modes the main program writes as REG_DWORD values and the
// hook procedures read on every call, and the rules that decide from them
// whether an input event triggers a capture.
#include <cstdint>

namespace lexorin::hooklib {

// Under HKEY_CURRENT_USER.
inline constexpr char kOptionsSubkey[] = "Tavrel\\Dictionary\\Options\\";

inline constexpr char kRightMouseValue[] = "GlanceRightMouse";
inline constexpr char kShiftAndRightMouseValue[] = "GlanceShiftAndRightMouse";
inline constexpr char kCtrlAndRightMouseValue[] = "GlanceCtrlAndRightMouse";
inline constexpr char kHotKeyVirtualKeyValue[] = "GlanceHotKeyWParam";
inline constexpr char kHotKeyKeystrokeValue[] = "GlanceHotKeyLParam";

// What a missing or unreadable value reads as.
inline constexpr std::uint32_t kUnreadableValue = 0xFFFFFFFF;

struct MouseModes {
  std::uint32_t rightMouse = kUnreadableValue;
  std::uint32_t shiftAndRightMouse = kUnreadableValue;
  std::uint32_t ctrlAndRightMouse = kUnreadableValue;
};

// Right-click capture is on, unless it is restricted to Shift or Ctrl and
// that key is up.
constexpr bool mouseCaptureEnabled(const MouseModes& modes, bool shiftDown, bool ctrlDown) {
  if (modes.rightMouse != 1) return false;
  if (modes.shiftAndRightMouse == 1 && !shiftDown) return false;
  if (modes.ctrlAndRightMouse == 1 && !ctrlDown) return false;
  return true;
}

inline constexpr int kHookActionCode = 0;  // HC_ACTION

// The hot key fires on every event of its key except one whose keystroke
// data equals the stored value. The main program stores the data of the
// first key-down, so a press and release captures once, on the release, and
// a held key captures on every auto-repeat.
constexpr bool hotKeyFires(int code, std::uint32_t virtualKey, std::uint32_t keystroke, std::uint32_t hotKey,
                           std::uint32_t hotKeyKeystroke) {
  return code == kHookActionCode && virtualKey == hotKey && keystroke != hotKeyKeystroke;
}

}  // namespace lexorin::hooklib
