#include "morphology/anagram.h"

#include <algorithm>
#include <string>

namespace lexorin {
namespace {

uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Equal for any two orders of the same units. A sum of mixed units (and the
// length) is order-free; different multisets may share a key, which Find
// settles by comparing the units themselves.
uint64_t KeyOf(std::u16string_view text) {
  uint64_t sum = Mix(0x10000u + text.size());
  for (char16_t unit : text) sum += Mix(unit);
  return sum >> 32;
}

std::u16string SortedUnits(std::u16string_view text) {
  std::u16string units(text);
  std::sort(units.begin(), units.end());
  return units;
}

}  // namespace

std::vector<size_t> FindAnagramsByScan(std::u16string_view query, const HeadwordList& list) {
  std::vector<size_t> found;
  if (query.empty()) return found;
  std::u16string rest;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::u16string_view headword = list[i];
    if (headword.size() != query.size()) continue;
    rest.assign(headword);
    size_t matched = 0;
    for (char16_t unit : query) {
      const size_t at = rest.find(unit);
      if (at == std::u16string::npos) continue;
      rest.erase(at, 1);
      ++matched;
    }
    if (matched == query.size()) found.push_back(i);
  }
  return found;
}

AnagramIndex::AnagramIndex(const HeadwordList& list) : list_(&list) {
  entries_.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) entries_.push_back(KeyOf(list[i]) << 32 | i);
  std::sort(entries_.begin(), entries_.end());
}

std::vector<size_t> AnagramIndex::Find(std::u16string_view query) const {
  std::vector<size_t> found;
  if (query.empty()) return found;
  const uint64_t key = KeyOf(query);
  const std::u16string sortedQuery = SortedUnits(query);
  // Entries of one key follow each other in list order.
  for (auto it = std::lower_bound(entries_.begin(), entries_.end(), key << 32); it != entries_.end() && (*it >> 32) == key;
       ++it) {
    const size_t index = *it & 0xFFFFFFFFu;
    const std::u16string_view headword = (*list_)[index];
    if (headword.size() == query.size() && SortedUnits(headword) == sortedQuery) found.push_back(index);
  }
  return found;
}

}  // namespace lexorin
