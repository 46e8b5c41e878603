#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/headword_list.h"

namespace lexorin {

// The approximate search: every headword made of exactly the query's UTF-16
// units in any order (same length, each unit as many times; letter case and
// accents count), in list order. A headword equal to the query qualifies. An
// empty query has no results.

// By visiting every headword: for each of the query's units in turn, the
// first equal unit left in the headword is used up; the headword qualifies
// when every unit found one.
std::vector<size_t> FindAnagramsByScan(std::u16string_view query, const HeadwordList& list);

// The same results from an index of the headwords by a key of their units
// that ignores order, built once per list. The list must outlive the index
// and stay unchanged.
class AnagramIndex {
 public:
  explicit AnagramIndex(const HeadwordList& list);
  std::vector<size_t> Find(std::u16string_view query) const;

 private:
  const HeadwordList* list_;
  std::vector<uint64_t> entries_;  // key << 32 | list index, ascending
};

}  // namespace lexorin
