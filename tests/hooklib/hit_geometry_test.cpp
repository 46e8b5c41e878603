#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "hooklib/hit_geometry.h"

using namespace lexorin::hooklib;
namespace align = lexorin::hooklib::text_align;

TEST_CASE("a run's box follows its alignment") {
  struct Case {
    const char* what;
    unsigned align;
    int width;
    Box expected;
  };
  // Reference point (100, 50), height 10.
  const Case cases[] = {
      {"left, top", 0, 40, {100, 50, 140, 60}},
      {"right", align::kRight, 40, {60, 50, 100, 60}},
      {"centre", align::kCenter, 40, {80, 50, 120, 60}},
      {"centre, odd width: half truncated on each side", align::kCenter, 41, {80, 50, 120, 60}},
      {"bottom", align::kBottom, 40, {100, 40, 140, 50}},
      {"baseline", align::kBaseline, 40, {100, 40, 140, 50}},
      {"centre and baseline", align::kCenter | align::kBaseline, 40, {80, 40, 120, 50}},
      {"current position flag does not move the box", align::kUpdateCurrentPosition | align::kRight, 40,
       {60, 50, 100, 60}},
  };
  for (const Case& c : cases) {
    INFO("case: " << std::string(c.what));
    CHECK(textRunBox({100, 50}, c.width, 10, c.align) == c.expected);
  }
}

TEST_CASE("a box holds its left and top edges, not its right and bottom ones") {
  const Box box{10, 20, 30, 40};
  CHECK(box.contains({10, 20}));
  CHECK(box.contains({29, 39}));
  CHECK_FALSE(box.contains({30, 25}));
  CHECK_FALSE(box.contains({15, 40}));
  CHECK_FALSE(box.contains({9, 25}));
  CHECK_FALSE(box.contains({15, 19}));
}

TEST_CASE("a point is moved into band coordinates only below the last copied band") {
  struct Case {
    const char* what;
    BlitRecord blit;
    Point point;
    Point expected;
  };
  const Case cases[] = {
      {"no copy seen yet", {}, {50, 90}, {50, 90}},
      {"first band copied, point in the second", {12, 0, 200, 40, 1}, {50, 55}, {38, 15}},
      {"two bands copied, point in the third", {12, 40, 200, 40, 2}, {50, 95}, {38, 15}},
      {"point inside the last copied band", {12, 40, 200, 40, 2}, {50, 79}, {50, 79}},
      {"point on the last band's bottom edge", {12, 40, 200, 40, 2}, {50, 80}, {38, 0}},
  };
  for (const Case& c : cases) {
    INFO("case: " << std::string(c.what));
    CHECK(toBandCoordinates(c.point, c.blit) == c.expected);
  }
}

TEST_CASE("the character under a point is found from any average-width guess") {
  // Proportional widths: narrow and wide characters mixed.
  const std::vector<int> widths{3, 3, 12, 12, 3, 7, 1, 9};
  const int count = static_cast<int>(widths.size());
  const int left = 10;
  auto prefixWidth = [&](int n) {
    REQUIRE(n >= 0);
    REQUIRE(n <= count);  // never measures beyond the run
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += widths[static_cast<std::size_t>(i)];
    return sum;
  };
  const int right = left + prefixWidth(count);
  // The first character whose right edge is at or right of the point.
  auto expectedIndex = [&](int x) {
    for (int i = 1; i <= count; ++i) {
      if (left + prefixWidth(i) >= x) return i;
    }
    return count;
  };
  for (int averageWidth : {0, 1, 3, 6, 50, 1000}) {
    for (int x = left; x < right; ++x) {
      CAPTURE(averageWidth);
      CAPTURE(x);
      CHECK(characterUnderPoint(x, left, count, averageWidth, prefixWidth) == expectedIndex(x));
    }
  }
}
