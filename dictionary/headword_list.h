#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/packed_lines.h"

namespace lexorin {

// The headwords of one dictionary, in file order.
class HeadwordList : public PackedLines<char16_t> {
 public:
  // Splits `text` into headwords, taking over its storage: lines end at CR,
  // LF, CR LF or U+2028 (after a line one CR, then one LF, then one U+2028
  // are skipped), a NUL ends the text, and a break at the very end adds no
  // empty headword.
  static HeadwordList FromText(std::u16string text);
};

// Decodes the bytes of a headword file: FF FE is UTF-16 little-endian,
// FE FF UTF-16 big-endian, EF BB BF UTF-8 (the mark is not text). Without a
// mark the bytes are UTF-8 when they are well-formed UTF-8, else code page
// 1258 (Vietnamese).
HeadwordList ParseHeadwords(std::string_view bytes);

// Reads a whole headword file; throws DataFileError when it cannot be read.
HeadwordList LoadHeadwords(const std::filesystem::path& path);

}  // namespace lexorin
