#include "dictionary/exact_index.h"

#include <bit>

#include "dictionary/headword_compare.h"
#include "dictionary/upper_case.h"

namespace lexorin {
namespace {

uint64_t HashIgnoringCase(std::u16string_view word) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a over the upper-cased units
  for (char16_t unit : word) {
    hash = (hash ^ UpperUnit(unit)) * 1099511628211ull;
  }
  return hash ^ (hash >> 29);
}

}  // namespace

ExactMatchIndex::ExactMatchIndex(const HeadwordList& list) : list_(&list) {
  const size_t capacity = std::bit_ceil(list.size() * 2 + 2);
  slots_.assign(capacity, 0);
  mask_ = capacity - 1;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::u16string_view word = list[i];
    size_t slot = HashIgnoringCase(word) & mask_;
    while (slots_[slot] != 0) {
      if (HeadwordsEqualIgnoringCase((*list_)[slots_[slot] - 1], word)) break;  // keep the first
      slot = (slot + 1) & mask_;
    }
    if (slots_[slot] == 0) slots_[slot] = static_cast<uint32_t>(i + 1);
  }
}

std::optional<size_t> ExactMatchIndex::Find(std::u16string_view word) const {
  size_t slot = HashIgnoringCase(word) & mask_;
  while (slots_[slot] != 0) {
    const size_t index = slots_[slot] - 1;
    if (HeadwordsEqualIgnoringCase((*list_)[index], word)) return index;
    slot = (slot + 1) & mask_;
  }
  return std::nullopt;
}

}  // namespace lexorin
