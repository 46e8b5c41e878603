// Finding the Russian and US English groups among the X keyboard layouts.
#include "app/keyboard_layouts.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(KeyboardLayouts, RussianAndUsGroupsAreFoundOnlyWhenBothExist) {
  struct Case {
    std::string_view layouts;
    std::optional<std::pair<int, int>> groups;  // Russian, US
  };
  const Case cases[] = {
      {"us,ru", std::pair{1, 0}},
      {"ru,us", std::pair{0, 1}},
      {"de,us,ru", std::pair{2, 1}},
      {"vn, us , ru", std::pair{2, 1}},
      {"us", std::nullopt},
      {"ru", std::nullopt},
      {"gb,ru", std::nullopt},        // British English is not the US layout
      {"us,de,fr,gb,ru", std::nullopt},  // a fifth layout is never a group
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto found = FindRussianAndUsGroups(c.layouts);
    ASSERT_EQ(found.has_value(), c.groups.has_value()) << c.layouts;
    if (found) {
      EXPECT_EQ(found->russian, c.groups->first) << c.layouts;
      EXPECT_EQ(found->us, c.groups->second) << c.layouts;
    }
  }
}

TEST(KeyboardLayouts, LayoutFieldIsTheThirdRulesName) {
  using namespace std::string_view_literals;
  EXPECT_EQ(LayoutFieldOfRulesNames("evdev\0pc105\0us,ru\0,\0grp:alt_shift_toggle\0"sv), "us,ru");
  EXPECT_EQ(LayoutFieldOfRulesNames("evdev\0pc105\0us,ru"sv), "us,ru");
  EXPECT_EQ(LayoutFieldOfRulesNames("evdev\0pc105"sv), "");
  EXPECT_EQ(LayoutFieldOfRulesNames(""sv), "");
}

}  // namespace
}  // namespace lexorin
