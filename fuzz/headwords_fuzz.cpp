// Any bytes as a headword file: parse, then search the list for its own
// items: the search stays inside the list and the index finds every item.
#include <cstdint>
#include <string_view>

#include "dictionary/exact_index.h"
#include "dictionary/headword_list.h"
#include "dictionary/locate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const lexorin::HeadwordList list = lexorin::ParseHeadwords(bytes);
  const lexorin::ExactMatchIndex index(list);
  for (size_t i = 0; i < list.size() && i < 64; ++i) {
    const auto found = lexorin::LocateHeadword(list[i], list);
    if (found && *found >= list.size()) __builtin_trap();  // unsorted lists too
    if (!index.Find(list[i])) __builtin_trap();  // every item finds itself
  }
  return 0;
}
