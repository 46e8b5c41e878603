#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lexorin {

// The digits of a radix-64 numeral, value 0 to 63, most significant first.
inline constexpr std::string_view kRadix64Digits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Decodes one numeral line. Every byte counts as a digit; a byte outside the
// alphabet has the value -1, so a damaged line gives a wrong (possibly
// negative) value rather than an error. Each step's sum is truncated to 32
// bits, as the files have always been read.
int32_t DecodeRadix64(std::string_view line);

// The shortest numeral of n; zero is "A".
std::string EncodeRadix64(uint32_t n);

}  // namespace lexorin
