#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// The headwords of one dictionary, in file order, kept compactly: all the
// text in one UTF-16 buffer and the start of each headword beside it.
class HeadwordList {
 public:
  HeadwordList() = default;

  size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  bool empty() const { return size() == 0; }
  std::u16string_view operator[](size_t index) const {
    return std::u16string_view(text_).substr(starts_[index], starts_[index + 1] - starts_[index]);
  }

  void push_back(std::u16string_view headword);
  void insert(size_t index, std::u16string_view headword);
  void erase(size_t index);

  // Splits `text` into headwords, taking over its storage: lines end at CR,
  // LF, CR LF or U+2028 (after a line one CR, then one LF, then one U+2028
  // are skipped), a NUL ends the text, and a break at the very end adds no
  // empty headword.
  static HeadwordList FromText(std::u16string text);

  size_t MemoryBytes() const { return text_.capacity() * 2 + starts_.capacity() * 4; }

 private:
  std::u16string text_;
  std::vector<uint32_t> starts_;  // size() + 1 entries when not empty
};

// Decodes the bytes of a headword file: FF FE is UTF-16 little-endian,
// FE FF UTF-16 big-endian, EF BB BF UTF-8 (the mark is not text). Without a
// mark the bytes are UTF-8 when they are well-formed UTF-8, else code page
// 1258 (Vietnamese).
HeadwordList ParseHeadwords(std::string_view bytes);

// Reads a whole headword file; throws DataFileError when it cannot be read.
HeadwordList LoadHeadwords(const std::filesystem::path& path);

}  // namespace lexorin
