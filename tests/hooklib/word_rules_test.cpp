#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "hooklib/word_rules.h"

using namespace lexorin::hooklib;

namespace {

// The word that a point on character `index` (1-based) of the first `count`
// characters of `text` yields, cut and terminated as the capture buffers hold it.
template <class Char>
std::basic_string<Char> wordAt(const std::basic_string<Char>& text, int count, int index) {
  Char buffer[256];
  const int length = copyWord(text.data(), wordAround(text.data(), count, index), buffer);
  CHECK(buffer[length] == Char{});
  return std::basic_string<Char>(buffer, static_cast<std::size_t>(length));
}

std::wstring widen(const std::string& text) {
  std::wstring wide;
  for (char c : text) wide.push_back(static_cast<unsigned char>(c));
  return wide;
}

// Runs a case on 8-bit text and on the same text as UTF-16.
void checkBothWidths(const std::string& text, int count, int index, const std::string& expected) {
  CAPTURE(text);
  CAPTURE(index);
  CHECK(wordAt(text, count, index) == expected);
  CHECK(wordAt(widen(text), count, index) == widen(expected));
}

}  // namespace

TEST_CASE("the word around a character ends at delimiters and at the run's count") {
  struct Case {
    const char* text;
    int count;
    int index;
    const char* expected;
  };
  const Case cases[] = {
      {"hello, world", 12, 1, "hello"},       // first character
      {"hello, world", 12, 3, "hello"},       // inside
      {"hello, world", 12, 5, "hello"},       // last character before the comma
      {"hello, world", 12, 6, ""},            // the comma itself
      {"hello, world", 12, 7, ""},            // the space
      {"hello, world", 12, 8, "world"},       // first character after the delimiters
      {"hello, world", 12, 12, "world"},      // last character of the run
      {"hello, worldwide", 12, 10, "world"},  // the run ends at its count, not at the buffer's end
      {"hello, world", 12, 0, ""},            // no character under the point
      {"hello, world", 12, 13, ""},           // beyond the run
      {"hello", 0, 1, ""},                    // empty run
      {"it's co-op", 10, 2, "it's"},          // apostrophes and hyphens belong to words
      {"it's co-op", 10, 8, "co-op"},
      {"tab\tbed", 7, 2, "tab\tbed"},         // so do tabs
      {"x2;y=z", 6, 1, "x2;y=z"},             // digits, semicolons, equals signs
      {"caf\xE9 au", 7, 2, "caf\xE9"},        // characters above 127
  };
  for (const Case& c : cases) checkBothWidths(c.text, c.count, c.index, c.expected);
}

TEST_CASE("each of the 24 delimiters ends a word on both sides") {
  CHECK(kWordDelimiters.size() == 24);
  for (char delimiter : kWordDelimiters) {
    const std::string text = std::string("ab") + delimiter + "cd";
    checkBothWidths(text, 5, 1, "ab");
    checkBothWidths(text, 5, 2, "ab");
    checkBothWidths(text, 5, 3, "");
    checkBothWidths(text, 5, 4, "cd");
  }
}

TEST_CASE("only the 7-bit delimiters count, whatever a wide character's low byte") {
  // U+012C and U+2E2E share their low byte with ',' and '.'.
  CHECK(wordAt(std::wstring(L"a\u012Cb\u2E2Ec"), 5, 1) == L"a\u012Cb\u2E2Ec");
  CHECK(wordAt(std::wstring(L"Ti\u1EBFng Vi\u1EC7t"), 10, 3) == L"Ti\u1EBFng");
  CHECK(wordAt(std::wstring(L"Ti\u1EBFng Vi\u1EC7t"), 10, 10) == L"Vi\u1EC7t");
}

TEST_CASE("a word longer than the buffers is cut to 255 characters and nothing is written beyond them") {
  struct Guarded {
    wchar_t word[256];
    wchar_t guard[8];
  } buffers{};
  std::wmemset(buffers.guard, L'#', 8);
  const std::wstring run = L"x " + std::wstring(300, L'a') + L" y";
  const WordSpan word = wordAround(run.data(), static_cast<int>(run.size()), 250);
  CHECK(word == WordSpan{2, 300});
  CHECK(copyWord(run.data(), word, buffers.word) == 255);
  CHECK(std::wstring(buffers.word) == std::wstring(255, L'a'));
  CHECK(std::wstring(buffers.guard, 8) == std::wstring(8, L'#'));

  char narrow[256];
  const std::string narrowRun(256, 'b');
  CHECK(copyWord(narrowRun.data(), wordAround(narrowRun.data(), 256, 1), narrow) == 255);
  CHECK(std::strlen(narrow) == 255);
}
