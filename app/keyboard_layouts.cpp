#include "app/keyboard_layouts.h"

namespace lexorin {
namespace {

// A group keeps at most four layouts.
constexpr int kMaxGroups = 4;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<RussianAndUsGroups> FindRussianAndUsGroups(std::string_view layouts) {
  std::optional<int> russian;
  std::optional<int> us;
  int group = 0;
  while (group < kMaxGroups) {
    const size_t comma = layouts.find(',');
    const std::string_view layout = Trimmed(layouts.substr(0, comma));
    if (layout == "ru" && !russian) russian = group;
    if (layout == "us" && !us) us = group;
    if (comma == std::string_view::npos) break;
    layouts.remove_prefix(comma + 1);
    ++group;
  }
  if (!russian || !us) return std::nullopt;
  return RussianAndUsGroups{*russian, *us};
}

std::string_view LayoutFieldOfRulesNames(std::string_view rulesNames) {
  for (int field = 0; field < 2; ++field) {
    const size_t nul = rulesNames.find('\0');
    if (nul == std::string_view::npos) return {};
    rulesNames.remove_prefix(nul + 1);
  }
  return rulesNames.substr(0, rulesNames.find('\0'));
}

}  // namespace lexorin
