#include <doctest/doctest.h>

#include "hooklib/text_replacements.h"

using lexorin::hooklib::drawTextLength;

TEST_CASE("DrawText's count -1 measures the whole string; other negative counts measure nothing") {
  struct Case {
    int count;
    int expected;
  };
  const Case cases[] = {{-1, 12}, {5, 5}, {12, 12}, {0, 0}, {-2, 0}};
  for (const Case& c : cases) {
    CAPTURE(c.count);
    CHECK(drawTextLength("hello, world", c.count) == c.expected);
    CHECK(drawTextLength(L"hello, world", c.count) == c.expected);
  }
}
