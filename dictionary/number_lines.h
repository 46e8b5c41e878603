#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// The lines of an offset or length file, kept as their raw bytes; a line is
// decoded only when its entry is read.
class NumberLines {
 public:
  size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  std::string_view operator[](size_t index) const {
    return std::string_view(bytes_).substr(starts_[index], starts_[index + 1] - starts_[index]);
  }
  // The line at `index`, or nothing when the file had fewer lines.
  std::optional<std::string_view> At(size_t index) const {
    if (index >= size()) return std::nullopt;
    return (*this)[index];
  }

  void push_back(std::string_view line) { insert(size(), line); }
  void insert(size_t index, std::string_view line);
  void erase(size_t index);

  // Splits bytes into lines at CR, LF or CR LF; a NUL byte ends the text; a
  // break at the very end adds no empty line. No byte-order mark is
  // recognised.
  static NumberLines FromBytes(std::string bytes);

  size_t MemoryBytes() const { return bytes_.capacity() + starts_.capacity() * 4; }

 private:
  std::string bytes_;
  std::vector<uint32_t> starts_;
};

// Reads a whole offset or length file; throws DataFileError when it cannot be
// read.
NumberLines LoadNumberLines(const std::filesystem::path& path);

}  // namespace lexorin
