#include "dictionary/text_encoding.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

struct Utf8Case {
  std::string_view bytes;
  std::u16string_view text;
};

TEST(Utf8, MalformedSequencesBecomeReplacementCharacters) {
  const Utf8Case cases[] = {
      {"đọc", u"đọc"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},       // four bytes: a surrogate pair
      {"a\x80z", u"a\uFFFDz"},                   // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},             // overlong form
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},   // encoded surrogate
      {"\xE1\xBB", u"\uFFFD"},                   // cut short at the end
      {"\xE1\xBBx", u"\uFFFDx"},                 // cut short before ASCII
      {"\xF5\x80", u"\uFFFD\uFFFD"},             // above U+10FFFF
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(IsValidUtf8(c.bytes), c.text.find(u'\uFFFD') == std::u16string_view::npos) << c.bytes;
  }
}

TEST(Utf8, Utf16RoundTripAndUnpairedSurrogates) {
  const std::u16string text = u"Tiếng Việt, русский, ʃ∫ \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Cp1258, MapsVietnameseLettersAndCombiningTones) {
  EXPECT_EQ(Cp1258ToUtf16('a'), u'a');
  EXPECT_EQ(Cp1258ToUtf16(0xF0), u'đ');
  EXPECT_EQ(Cp1258ToUtf16(0xD0), u'Đ');
  EXPECT_EQ(Cp1258ToUtf16(0xFD), u'ư');
  EXPECT_EQ(Cp1258ToUtf16(0xEC), u'\u0301');
  EXPECT_EQ(Cp1258ToUtf16(0x80), u'€');
}

}  // namespace
}  // namespace lexorin
