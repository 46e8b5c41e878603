#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_writer.h"

namespace lexorin {

// How the articles of a dict-server database are written into entries:
// as they are, or rewritten from a known layout into the English-English
// mark-up.
enum class ArticleStyle { AsIs, WordNet, Foldoc };

struct ArticleStyleInfo {
  std::string_view name;
  ArticleStyle style;
};
std::span<const ArticleStyleInfo> ArticleStyles();
std::optional<ArticleStyle> ArticleStyleByName(std::string_view name);

// The entries read from a source, in the source's order, and how many
// bodies were cut to the size an entry may have.
struct ImportedEntries {
  std::vector<DictionaryEntry> entries;
  size_t shortened = 0;
};

// Readers of each source format. `source` names the file the format is
// known by (the .txt, the .ifo, the .index); the other files of the
// dictionary lie beside it with the same stem. Each throws ImportError for a
// damaged source and DataFileError for a missing one.
ImportedEntries ReadTextSource(const std::filesystem::path& source);
ImportedEntries ReadStarDict(const std::filesystem::path& ifo);
ImportedEntries ReadDictd(const std::filesystem::path& index, ArticleStyle style);

struct ImportFormatInfo {
  std::string_view name;
  std::string_view sourceFile;  // what SOURCE names
  bool takesStyle;              // whether an article style applies
  ImportedEntries (*read)(const std::filesystem::path& source, ArticleStyle style);
};
std::span<const ImportFormatInfo> ImportFormats();
const ImportFormatInfo* ImportFormatByName(std::string_view name);

// Reads a source of the named format and writes the dictionary at
// `outBase` (.index1 ... .dict), sorted into the headword order with equal
// headwords in the order they came. Nothing is written when reading fails.
ImportedEntries ImportDictionary(const ImportFormatInfo& format, const std::filesystem::path& source,
                                 const std::filesystem::path& outBase, ArticleStyle style);

}  // namespace lexorin
