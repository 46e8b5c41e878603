#include "dictionary/upper_case.h"

#include <array>

namespace lexorin {
namespace {

struct UpperRange {
  char16_t first;
  char16_t last;
  int delta;
  int step;
};

constexpr UpperRange kUpperRanges[] = {
#include "dictionary/upper_case_table.inc"
};

std::array<char16_t, 0x10000> BuildUpperTable() {
  std::array<char16_t, 0x10000> table{};
  for (unsigned unit = 0; unit < table.size(); ++unit) table[unit] = static_cast<char16_t>(unit);
  for (const UpperRange& range : kUpperRanges) {
    for (unsigned unit = range.first; unit <= range.last; unit += static_cast<unsigned>(range.step)) {
      table[unit] = static_cast<char16_t>(static_cast<int>(unit) + range.delta);
    }
  }
  return table;
}

const std::array<char16_t, 0x10000>& UpperTable() {
  static const std::array<char16_t, 0x10000> table = BuildUpperTable();
  return table;
}

}  // namespace

char16_t UpperUnit(char16_t unit) { return UpperTable()[unit]; }

}  // namespace lexorin
