#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "dictionary/headword_compare.h"
#include "dictionary/headword_list.h"

namespace lexorin {

// The nearest-headword search of the input boxes: a binary search with its
// own end rules. Returns the index to select, or nothing, in which case the
// list's selection stays as it was. An exact match (ignoring case) is always
// found; a query between two neighbours selects the one on the far side of
// the last probe (in b, d, f, h: c selects b, e selects d, g selects h); a
// query before the first headword selects it only when there are three or
// more; a one-item list selects only on an exact match.
template <class ItemAt>
std::optional<size_t> LocateHeadwordIn(std::u16string_view query, size_t count, ItemAt&& itemAt) {
  if (count == 0) return std::nullopt;
  std::ptrdiff_t lo = 0;
  std::ptrdiff_t hi = static_cast<std::ptrdiff_t>(count) - 1;
  for (;;) {
    const std::ptrdiff_t mid = (lo + hi) / 2;
    const int c = CompareHeadwords(query, itemAt(static_cast<size_t>(mid)));
    if (c == 0) return static_cast<size_t>(mid);
    if (c < 0) {
      hi = mid;
      if (hi - lo == 1) return static_cast<size_t>(mid - 1);
    } else {
      lo = mid;
      if (hi - lo == 1) return static_cast<size_t>(mid + 1);
    }
    // The range shrinks at every probe, so this ends; the second test only
    // guards against a range that can no longer shrink.
    if (mid <= 0 || hi - lo < 1) return std::nullopt;
  }
}

inline std::optional<size_t> LocateHeadword(std::u16string_view query, const HeadwordList& list) {
  return LocateHeadwordIn(query, list.size(), [&](size_t i) { return list[i]; });
}

}  // namespace lexorin
