#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "dictionary/data_file_error.h"

namespace lexorin {

// A damaged source file: what() names the file, the place in it ("byte 1234"
// or "line 17") and what is wrong there, in one line.
class ImportError : public DataFileError {
 public:
  ImportError(const std::filesystem::path& file, std::string_view unit, uint64_t position, const std::string& reason)
      : DataFileError(file, std::string(unit) + " " + std::to_string(position) + ": " + reason) {}
};

// Places in a source, for the messages above.
inline constexpr std::string_view kAtByte = "byte";  // 0-based offset
inline constexpr std::string_view kAtLine = "line";  // 1-based line number

}  // namespace lexorin
