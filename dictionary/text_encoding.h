#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lexorin {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

// UTF-8 to UTF-16. Every malformed sequence (stray continuation byte, bad
// lead byte, overlong form, encoded surrogate, value above U+10FFFF, sequence
// cut short) becomes one U+FFFD per maximal invalid subpart.
void AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out);
std::u16string Utf8ToUtf16(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// The Vietnamese Windows code page 1258, the fallback for 8-bit text that is
// not UTF-8. Every byte maps to one code unit.
char16_t Cp1258ToUtf16(unsigned char byte);

}  // namespace lexorin
