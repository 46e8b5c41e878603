#include "app/colour_value.h"

namespace lexorin {

int32_t ColourValueOf(Rgb colour) {
  return static_cast<int32_t>(uint32_t{colour.red} | uint32_t{colour.green} << 8 | uint32_t{colour.blue} << 16);
}

std::optional<Rgb> RgbOfColourValue(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  if (bits > 0xFFFFFFu) return std::nullopt;
  return Rgb{static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8), static_cast<uint8_t>(bits >> 16)};
}

}  // namespace lexorin
