#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// The description file (.ifo) of a StarDict dictionary: a fixed first line,
// then KEY=VALUE lines.
struct StarDictInfo {
  std::string version;
  std::string bookName;
  uint64_t wordCount = 0;
  std::optional<uint64_t> synonymCount;
  std::optional<uint64_t> indexFileSize;
  int offsetBits = 32;           // 64 only in version 3.0.0 with idxoffsetbits=64
  std::string sameTypeSequence;  // the field types every article has, when they are left out of the articles
};

// Throws ImportError naming `name` and the line of a missing first line, a
// missing or bad number or an unknown offset size.
StarDictInfo ParseStarDictInfo(std::string_view bytes, const std::filesystem::path& name);

// One headword of the index (.idx): NUL-terminated UTF-8, then the offset
// (32 or 64 bits) and the size (32 bits) of its article, big-endian.
struct StarDictIndexEntry {
  std::string word;
  uint64_t offset = 0;
  uint32_t size = 0;
  uint64_t position = 0;  // where the entry starts in the index file
};

// Throws ImportError naming `name` and the byte where an entry is cut short.
std::vector<StarDictIndexEntry> ParseStarDictIndex(std::string_view bytes, int offsetBits,
                                                   const std::filesystem::path& name);

// One extra headword of the synonym file (.syn): NUL-terminated UTF-8, then
// the 32-bit big-endian number of the index entry it stands for.
struct StarDictSynonym {
  std::string word;
  uint32_t entry = 0;
  uint64_t position = 0;
};

std::vector<StarDictSynonym> ParseStarDictSynonyms(std::string_view bytes, const std::filesystem::path& name);

// One field of an article: its type letter and its data. Lower-case types
// are text (ended by NUL, or by the article's end for the last field of a
// same-type sequence), upper-case ones binary (a 32-bit big-endian size
// first, likewise left out for the last field).
struct StarDictField {
  char type;
  std::string_view data;
};

// Splits an article that starts at `offset` in the article file `name`;
// throws ImportError at the byte where a field is cut short.
std::vector<StarDictField> SplitStarDictArticle(std::string_view article, std::string_view sameTypeSequence,
                                                const std::filesystem::path& name, uint64_t offset);

// The entry text of an article's fields, one after another on lines of
// their own: plain text (m, and l in the Vietnamese 8-bit code page when it
// is not UTF-8; t, y, w, k likewise) kept as it is, HTML (h) and Pango
// mark-up (g) and XDXF (x) converted. Sounds, pictures and resources are
// left out.
std::string StarDictFieldsToMarkup(const std::vector<StarDictField>& fields);

}  // namespace lexorin
