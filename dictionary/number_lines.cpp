#include "dictionary/number_lines.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "dictionary/file_bytes.h"

namespace lexorin {

void NumberLines::insert(size_t index, std::string_view line) {
  if (starts_.empty()) starts_.push_back(0);
  if (bytes_.size() + line.size() > std::numeric_limits<uint32_t>::max()) {
    throw std::length_error("number list too large");
  }
  bytes_.insert(starts_[index], line);
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(index) + 1, starts_[index]);
  for (size_t i = index + 1; i < starts_.size(); ++i) starts_[i] += static_cast<uint32_t>(line.size());
}

void NumberLines::erase(size_t index) {
  const uint32_t length = starts_[index + 1] - starts_[index];
  bytes_.erase(starts_[index], length);
  starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
  for (size_t i = index + 1; i < starts_.size(); ++i) starts_[i] -= length;
  if (starts_.size() == 1) starts_.clear();
}

NumberLines NumberLines::FromBytes(std::string bytes) {
  NumberLines lines;
  const size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("number file too large");
  size_t read = 0;
  size_t write = 0;
  lines.starts_.reserve(bytes.size() / 4 + 2);
  lines.starts_.push_back(0);
  while (read < bytes.size()) {
    size_t end = read;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    if (write != read) std::memmove(bytes.data() + write, bytes.data() + read, end - read);
    write += end - read;
    lines.starts_.push_back(static_cast<uint32_t>(write));
    read = end;
    if (read < bytes.size() && bytes[read] == '\r') ++read;
    if (read < bytes.size() && bytes[read] == '\n') ++read;
  }
  bytes.resize(write);
  bytes.shrink_to_fit();
  lines.bytes_ = std::move(bytes);
  if (lines.starts_.size() == 1) lines.starts_.clear();
  lines.starts_.shrink_to_fit();
  return lines;
}

NumberLines LoadNumberLines(const std::filesystem::path& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return NumberLines::FromBytes(std::move(bytes));
}

}  // namespace lexorin
