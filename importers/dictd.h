#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// One line of a dict server's index: KEY TAB OFFSET TAB LENGTH, with an
// optional fourth field holding the headword as it was before the key was
// normalised. Offset and length are base-64 numbers (digits A-Z a-z 0-9 + /,
// most significant first) into the article file.
struct DictdIndexLine {
  std::string key;
  std::string original;  // the fourth field, or empty
  uint64_t offset = 0;
  uint64_t length = 0;
  size_t line = 0;  // 1-based
};

// Parses a whole index; throws ImportError naming `name` and the line of a
// line without its three fields or with a bad number.
std::vector<DictdIndexLine> ParseDictdIndex(std::string_view bytes, const std::filesystem::path& name);

// Keys of the database's own description ("00-database-info",
// "00databaseshort"), which are not headwords.
bool IsDictdMetadataKey(std::string_view key);

// The headword to show for `key`: an index key is often the headword
// lower-cased (and, unless the database keeps all characters, without its
// punctuation), while the article starts with the headword as written, one
// name a line. The first of those names that normalises to the key is
// shown; the key itself when none does.
std::u16string DictdDisplayHeadword(std::string_view key, std::string_view article, bool keysKeepAllCharacters);

// Article text as UTF-8: kept when it is UTF-8, read as Latin-1 otherwise
// (the encoding of databases made without UTF-8).
std::string DictdTextAsUtf8(std::string_view bytes);

}  // namespace lexorin
