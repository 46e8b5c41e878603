#pragma once
#include <optional>
#include <string_view>

namespace lexorin {

// The keyboard groups the Russian input box switches between.
struct RussianAndUsGroups {
  int russian;
  int us;
};

// Finds the Russian ("ru") and US English ("us") layouts in the layout
// field of the X keyboard rules ("us,ru", "de,us,ru"): their group numbers,
// when both are among the first four groups.
std::optional<RussianAndUsGroups> FindRussianAndUsGroups(std::string_view layouts);

// The layout field (the third of the NUL-separated strings) of the
// keyboard rules property of the root window.
std::string_view LayoutFieldOfRulesNames(std::string_view rulesNames);

}  // namespace lexorin
