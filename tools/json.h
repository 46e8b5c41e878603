#pragma once
#include <string>
#include <string_view>

namespace lexorin::cli {

// A JSON string literal (with quotes) of UTF-16 text, in UTF-8. Code units
// that are not Unicode scalar values (unpaired surrogates) are written as
// \uXXXX escapes, so nothing is lost.
std::string JsonString(std::u16string_view text);
// The same for UTF-8 text.
std::string JsonString(std::string_view utf8);

}  // namespace lexorin::cli
