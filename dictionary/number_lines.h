#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/packed_lines.h"

namespace lexorin {

// The lines of an offset or length file, kept as their raw bytes; a line is
// decoded only when its entry is read.
class NumberLines : public PackedLines<char> {
 public:
  // Splits bytes into lines at CR, LF or CR LF; a NUL byte ends the text; a
  // break at the very end adds no empty line. No byte-order mark is
  // recognised.
  static NumberLines FromBytes(std::string bytes);
};

// Reads a whole offset or length file; throws DataFileError when it cannot be
// read.
NumberLines LoadNumberLines(const std::filesystem::path& path);

}  // namespace lexorin
