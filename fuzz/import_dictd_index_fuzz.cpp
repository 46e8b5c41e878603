// Any bytes as a dict server's index, each key's display headword taken
// from the bytes themselves as an article.
#include <cstdint>
#include <string_view>

#include "importers/dictd.h"
#include "importers/import_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    for (const lexorin::DictdIndexLine& line : lexorin::ParseDictdIndex(bytes, "fuzz.index")) {
      if (line.offset >= (uint64_t{1} << 48) || line.length >= (uint64_t{1} << 48)) __builtin_trap();
      const std::string article = lexorin::DictdTextAsUtf8(bytes);
      lexorin::DictdDisplayHeadword(line.key, article, line.line % 2 == 0);
    }
  } catch (const lexorin::ImportError&) {
  }
  return 0;
}
