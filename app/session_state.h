#pragma once
#include <array>
#include <cstdint>

#include "dictionary/catalogue.h"

namespace lexorin {

// The program's settings that no control holds, alive for the whole run.
struct SessionState {
  // "Default settings" ran: the settings are not written back at exit.
  bool resetPending = false;
  // The mini-mode step, 0 (full window) to 3.
  int32_t miniModeCounter = 0;
  // The speaker chosen for each group, in group order.
  std::array<int32_t, kGroupCount> speakers{};
};

}  // namespace lexorin
