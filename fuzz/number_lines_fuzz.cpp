// Any bytes as an offset or length file: split, then decode every line.
#include <cstdint>
#include <string>

#include "dictionary/number_lines.h"
#include "dictionary/radix64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const lexorin::NumberLines lines =
      lexorin::NumberLines::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
  volatile int32_t sink = 0;
  for (size_t i = 0; i < lines.size(); ++i) sink = lexorin::DecodeRadix64(lines[i]);
  (void)sink;
  return 0;
}
