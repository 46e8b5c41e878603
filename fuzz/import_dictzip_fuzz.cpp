// Any bytes as a compressed article file: opening and reading the start,
// the end and a middle range either succeed with the bytes asked for or
// report the damage.
#include <cstdint>
#include <string>
#include <string_view>

#include "importers/dictzip.h"
#include "importers/import_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    lexorin::DictzipReader reader(std::string(reinterpret_cast<const char*>(data), size), "fuzz.dict.dz");
    const uint64_t total = reader.size();
    const uint64_t span = total < 4096 ? total : 4096;
    if (reader.Read(0, span).size() != span) __builtin_trap();
    if (reader.Read(total - span, span).size() != span) __builtin_trap();
    if (reader.Read(total / 2, span / 2).size() != span / 2) __builtin_trap();
  } catch (const lexorin::ImportError&) {
  }
  return 0;
}
