#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "dictionary/entry_file.h"

namespace lexorin {

// The largest entry the reader takes whole is kMaxEntryBytes of UTF-8 (a
// UTF-8 entry never converts to more UTF-16 units than it has bytes).
inline constexpr size_t kMaxEntrySize = static_cast<size_t>(kMaxEntryBytes);

// Why a headword cannot stand in a headword file (it holds a line break,
// U+2028 or NUL), or empty when it can.
std::string_view HeadwordProblem(std::u16string_view headword);

// Shortens a body above kMaxEntrySize to its last whole line within the
// limit, or, for a first line that long, to the last whole character.
// Returns true when it cut.
bool FitEntryBody(std::string& body);

}  // namespace lexorin
