#include "app/colour_value.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(ColourValue, OwnColoursAreBlueGreenRedAndSystemColoursKeepTheDefault) {
  struct Case {
    int32_t value;
    std::optional<Rgb> colour;
  };
  const Case cases[] = {
      {0x000000, Rgb{0, 0, 0}},
      {0x0000FF, Rgb{255, 0, 0}},
      {0x00FF00, Rgb{0, 255, 0}},
      {0xFF0000, Rgb{0, 0, 255}},
      {0x123456, Rgb{0x56, 0x34, 0x12}},
      {kSystemWindowTextColour, std::nullopt},
      {static_cast<int32_t>(0x8000000Fu), std::nullopt},
      {0x01000000, std::nullopt},
      {-1, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RgbOfColourValue(c.value), c.colour) << std::hex << c.value;
    if (c.colour) EXPECT_EQ(ColourValueOf(*c.colour), c.value) << std::hex << c.value;
  }
}

}  // namespace
}  // namespace lexorin
