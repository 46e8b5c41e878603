#include "dictionary/number_lines.h"

#include "dictionary/file_bytes.h"

namespace lexorin {

NumberLines NumberLines::FromBytes(std::string bytes) {
  NumberLines lines;
  lines.Split(std::move(bytes), [](char c) { return c == '\r' || c == '\n'; }, "\r\n");
  return lines;
}

NumberLines LoadNumberLines(const std::filesystem::path& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return NumberLines::FromBytes(std::move(bytes));
}

}  // namespace lexorin
