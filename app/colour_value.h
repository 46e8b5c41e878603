#pragma once
#include <cstdint>
#include <optional>

namespace lexorin {

// Font colours are stored as the platform's colour values: 0x00BBGGRR for a
// colour of its own, or a system colour's number with the high bit set.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The system's window-text colour: what a control shows until the user picks
// a colour for it.
inline constexpr int32_t kSystemWindowTextColour = static_cast<int32_t>(0x80000008u);

int32_t ColourValueOf(Rgb colour);
// Nothing for a system colour and for values that are not colours: the
// control keeps the colour it has.
std::optional<Rgb> RgbOfColourValue(int32_t value);

}  // namespace lexorin
