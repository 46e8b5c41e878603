#include <doctest/doctest.h>

#include <string>

#include "hooklib/capture_settings.h"

using lexorin::hooklib::hotKeyFires;

TEST_CASE("the hot key fires on its key's events except the stored first key-down") {
  // The main program stores Ctrl (17) with the data of its first key-down:
  // repeat count 1, scan code 0x1D, previously up.
  constexpr std::uint32_t kCtrl = 17;
  constexpr std::uint32_t kFirstDown = 0x001D0001;
  struct Case {
    const char* what;
    int code;
    std::uint32_t virtualKey;
    std::uint32_t keystroke;
    std::uint32_t storedKey;
    std::uint32_t storedKeystroke;
    bool fires;
  };
  const Case cases[] = {
      {"first key-down", 0, kCtrl, kFirstDown, kCtrl, kFirstDown, false},
      {"auto-repeat (previously down)", 0, kCtrl, 0x401D0001, kCtrl, kFirstDown, true},
      {"release", 0, kCtrl, 0xC01D0001, kCtrl, kFirstDown, true},
      {"another key", 0, 16, 0xC02A0001, kCtrl, kFirstDown, false},
      {"a peeked event (not HC_ACTION)", 3, kCtrl, 0xC01D0001, kCtrl, kFirstDown, false},
      {"values missing", 0, kCtrl, 0xC01D0001, 0xFFFFFFFF, 0xFFFFFFFF, false},
  };
  for (const Case& c : cases) {
    INFO("case: " << std::string(c.what));
    CHECK(hotKeyFires(c.code, c.virtualKey, c.keystroke, c.storedKey, c.storedKeystroke) == c.fires);
  }
}
