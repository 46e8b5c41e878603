#include "dictionary/radix64.h"

#include <array>
#include <cmath>

namespace lexorin {
namespace {

constexpr std::array<int8_t, 256> BuildDigitValues() {
  std::array<int8_t, 256> values{};
  for (auto& v : values) v = -1;
  for (size_t i = 0; i < kRadix64Digits.size(); ++i) {
    values[static_cast<unsigned char>(kRadix64Digits[i])] = static_cast<int8_t>(i);
  }
  return values;
}

constexpr std::array<int8_t, 256> kDigitValues = BuildDigitValues();

// Truncation toward zero to a signed 32-bit integer, wrapping like the
// hardware conversion of a 64-bit integer. Doubles beyond 2^63 (lines of
// eleven digits and more) saturate first, so no conversion is undefined.
int32_t TruncateTo32(double value) {
  if (!(value == value)) return 0;
  constexpr double kLimit = 9.2e18;
  if (value > kLimit) value = kLimit;
  if (value < -kLimit) value = -kLimit;
  const auto wide = static_cast<int64_t>(value);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

}  // namespace

int32_t DecodeRadix64(std::string_view line) {
  int32_t value = 0;
  const size_t n = line.size();
  for (size_t i = 0; i < n; ++i) {
    const int digit = kDigitValues[static_cast<unsigned char>(line[i])];
    const double place = std::pow(64.0, static_cast<double>(n - 1 - i));
    value = TruncateTo32(static_cast<double>(value) + static_cast<double>(digit) * place);
  }
  return value;
}

std::string EncodeRadix64(uint32_t n) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kRadix64Digits[n % 64]);
    n /= 64;
  } while (n != 0);
  return digits;
}

}  // namespace lexorin
