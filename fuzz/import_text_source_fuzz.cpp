// Any bytes as one of our source files: either an error or entries whose
// headwords can stand in a headword file and whose bodies fit an entry.
#include <cstdint>
#include <string_view>

#include "importers/entry_limits.h"
#include "importers/import_error.h"
#include "importers/text_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    for (const lexorin::DictionaryEntry& entry : lexorin::ParseTextSource(bytes, "fuzz.txt")) {
      if (!lexorin::HeadwordProblem(entry.headword).empty()) __builtin_trap();
      if (entry.body.empty() || entry.body.size() > lexorin::kMaxEntrySize) __builtin_trap();
    }
  } catch (const lexorin::ImportError&) {
  }
  return 0;
}
