#pragma once
#include <string>
#include <string_view>

namespace lexorin {

// The headword order: both strings are compared unit by unit after mapping
// each UTF-16 unit to upper case; the first differing pair decides by
// unsigned unit value, and a string that ends first is smaller.
// Returns <0, 0 or >0.
int CompareHeadwords(std::u16string_view a, std::u16string_view b);

// Whole-string equality ignoring case (the same mapping as the order).
bool HeadwordsEqualIgnoringCase(std::u16string_view a, std::u16string_view b);

// The string with every unit mapped to upper case.
std::u16string UpperCased(std::u16string_view text);

}  // namespace lexorin
