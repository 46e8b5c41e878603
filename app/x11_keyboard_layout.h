#pragma once
#include <memory>

#include "app/services.h"

namespace lexorin {

// Switches the X keyboard group between the user's Russian and US English
// layouts. Without an X display, or when the user has not both layouts, it
// does nothing.
std::unique_ptr<KeyboardLayoutSwitch> MakeX11KeyboardLayoutSwitch();

}  // namespace lexorin
