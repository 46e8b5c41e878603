#include "dictionary/headword_compare.h"

#include <algorithm>

#include "dictionary/upper_case.h"

namespace lexorin {

int CompareHeadwords(std::u16string_view a, std::u16string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char16_t ua = UpperUnit(a[i]);
    const char16_t ub = UpperUnit(b[i]);
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool HeadwordsEqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareHeadwords(a, b) == 0;
}

std::u16string UpperCased(std::u16string_view text) {
  std::u16string upper(text);
  for (char16_t& unit : upper) unit = UpperUnit(unit);
  return upper;
}

}  // namespace lexorin
