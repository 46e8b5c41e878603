#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "dictionary/headword_list.h"

namespace lexorin {

// Whole-headword look-up ignoring case, built once per list: Find returns the
// first item in list order that equals the word ignoring case. It works on
// unsorted lists too. The list must outlive the index and stay unchanged.
class ExactMatchIndex {
 public:
  explicit ExactMatchIndex(const HeadwordList& list);
  std::optional<size_t> Find(std::u16string_view word) const;

 private:
  const HeadwordList* list_;
  std::vector<uint32_t> slots_;  // list index + 1; 0 is an empty slot
  size_t mask_ = 0;
};

}  // namespace lexorin
