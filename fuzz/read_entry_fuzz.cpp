// Reads an entry from a fixed entry file with offset and length lines taken
// from the input: damaged numbers must never read outside the buffers.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dictionary/entry_file.h"

namespace {

const lexorin::EntryFile& Fixture() {
  static const lexorin::EntryFile file = [] {
    char name[] = "/tmp/lexorin-fuzz-dict-XXXXXX";
    const int fd = ::mkstemp(name);
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>("aăđọ\xC3\xE1\xBB\n"[i % 12]);
    (void)!::write(fd, bytes.data(), bytes.size());
    ::unlink(name);
    return lexorin::EntryFile(fd);
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\n');
  const std::string_view offset = input.substr(0, split);
  const std::string_view length = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  const lexorin::EntryText entry = lexorin::ReadEntry(Fixture(), offset, length);
  if (entry.bytesRead > lexorin::kMaxEntryBytes || entry.text.size() > static_cast<size_t>(lexorin::kMaxEntryUnits)) {
    std::abort();
  }
  return 0;
}
