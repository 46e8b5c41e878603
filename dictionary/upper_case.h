#pragma once
#include <cstdint>

namespace lexorin {

// The simple (one unit to one unit) Unicode upper-case mapping of one UTF-16
// code unit. Locale-free, so it is safe on any thread. Surrogates map to
// themselves.
char16_t UpperUnit(char16_t unit);

}  // namespace lexorin
