#include "tests/hooklib/capture_options.h"

#include "hooklib/capture_settings.h"

namespace lexorin::hooklib::test {

void writeCaptureOptions(std::initializer_list<CaptureOption> options) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsSubkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  for (const auto& [name, value] : options) {
    if (value == kRemoveOption) {
      RegDeleteValueA(key, name);
    } else {
      RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
  }
  RegCloseKey(key);
}

void removeCaptureOptions() {
  writeCaptureOptions({{kRightMouseValue, kRemoveOption},
                       {kShiftAndRightMouseValue, kRemoveOption},
                       {kCtrlAndRightMouseValue, kRemoveOption},
                       {kHotKeyVirtualKeyValue, kRemoveOption},
                       {kHotKeyKeystrokeValue, kRemoveOption}});
}

}  // namespace lexorin::hooklib::test
