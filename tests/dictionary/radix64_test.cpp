#include "dictionary/radix64.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

struct DecodeCase {
  std::string_view line;
  int32_t value;
};

TEST(Radix64, DecodesNumeralsAndDamagedLines) {
  const DecodeCase cases[] = {
      {"A", 0},          {"BA", 64},
      {"//", 4095},      {"BAAA", 262144},
      {"", 0},           {"B/", 127},
      {"BAAAAA", 1073741824},
      // A byte outside the alphabet is a digit of value -1, in any place.
      {"A=", -1},        {"=", -1},
      {"x A", 200640},
      // Sums are truncated to 32 bits at every step.
      {"CAAAAA", -2147483648}, {"//////", -1}, {"B///////", -1},
  };
  for (const DecodeCase& c : cases) EXPECT_EQ(DecodeRadix64(c.line), c.value) << "line '" << c.line << "'";
}

TEST(Radix64, EncodesShortestNumeralAndRoundTrips) {
  EXPECT_EQ(EncodeRadix64(0), "A");
  EXPECT_EQ(EncodeRadix64(64), "BA");
  EXPECT_EQ(EncodeRadix64(4095), "//");
  EXPECT_EQ(EncodeRadix64(262144), "BAAA");
  for (uint32_t n : {1u, 63u, 65u, 12345u, 999999u, 2147483647u}) {
    EXPECT_EQ(static_cast<uint32_t>(DecodeRadix64(EncodeRadix64(n))), n);
  }
}

}  // namespace
}  // namespace lexorin
