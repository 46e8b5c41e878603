#pragma once
// Where a word starts and ends in a run of drawn text. Pure functions over
// 8-bit or UTF-16 text; no platform headers.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace lexorin::hooklib {

// The characters that end a word, in both directions, for 8-bit and wide text
// alike. Everything else (digits, hyphens, apostrophes, tabs, all characters
// above 127) belongs to a word. 8-bit text is compared byte for byte.
inline constexpr std::string_view kWordDelimiters{" ,.!()?{}[]|@#*$^&%/\\:\"\x0F", 24};

constexpr bool isWordDelimiter(unsigned int ch) {
  return ch < 0x80 && kWordDelimiters.find(static_cast<char>(ch)) != std::string_view::npos;
}

template <class Char>
constexpr bool isWordDelimiterChar(Char ch) {
  return isWordDelimiter(static_cast<std::make_unsigned_t<Char>>(ch));
}

// A word inside a run: `start` is 0-based, `length` 0 means no word.
struct WordSpan {
  int start = 0;
  int length = 0;
  friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

// The word around the character at 1-based `index` of the first `count`
// characters of `text`. No word when the index is outside the run or the
// character there is a delimiter. Characters beyond `count` are never read.
template <class Char>
WordSpan wordAround(const Char* text, int count, int index) {
  if (index < 1 || index > count) return {};
  if (isWordDelimiterChar(text[index - 1])) return {};
  int start = index - 1;  // 0-based
  while (start > 0 && !isWordDelimiterChar(text[start - 1])) --start;
  int end = index;  // 0-based, one past the word
  while (end < count && !isWordDelimiterChar(text[end])) ++end;
  return {start, end - start};
}

// Copies the word into a buffer of kCapacity units and terminates it. A word
// longer than kCapacity - 1 is cut to its first kCapacity - 1 characters.
// Returns the number of characters copied.
template <class Char, std::size_t kCapacity>
int copyWord(const Char* text, WordSpan word, Char (&buffer)[kCapacity]) {
  static_assert(kCapacity > 1);
  const int length = std::min(word.length, static_cast<int>(kCapacity - 1));
  std::copy_n(text + word.start, length, buffer);
  buffer[length] = Char{};
  return length;
}

}  // namespace lexorin::hooklib
