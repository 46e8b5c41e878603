#include "importers/importer.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "dictionary/data_file_error.h"
#include "dictionary/file_bytes.h"
#include "dictionary/loaded_dictionary.h"
#include "dictionary/text_encoding.h"
#include "importers/article_file.h"
#include "importers/dictd.h"
#include "importers/dictzip.h"
#include "importers/entry_limits.h"
#include "importers/foldoc_style.h"
#include "importers/import_error.h"
#include "importers/stardict.h"
#include "importers/text_source.h"
#include "importers/wordnet_style.h"

namespace lexorin {
namespace {

constexpr std::array kStyles{ArticleStyleInfo{"plain", ArticleStyle::AsIs},
                             ArticleStyleInfo{"wordnet", ArticleStyle::WordNet},
                             ArticleStyleInfo{"foldoc", ArticleStyle::Foldoc}};

std::filesystem::path Stem(const std::filesystem::path& source) {
  return source.parent_path() / source.stem();
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

// An article reference of an index: where it points, and the place in the
// index to blame when it points nowhere.
struct ArticleRef {
  uint64_t offset;
  uint64_t length;
  std::string_view unit;
  uint64_t position;
};

// Reads the articles of `refs` in the order they lie in the article file
// (so a compressed file inflates each chunk once) and hands each to
// `take(index, bytes)`.
template <typename Take>
void ReadArticles(ArticleFile& articles, const std::vector<ArticleRef>& refs, const std::filesystem::path& indexName,
                  Take take) {
  std::vector<size_t> order(refs.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return refs[a].offset < refs[b].offset; });
  for (const size_t index : order) {
    const ArticleRef& ref = refs[index];
    if (!articles.Holds(ref.offset, ref.length)) {
      throw ImportError(indexName, ref.unit, ref.position,
                        "the article at offset " + std::to_string(ref.offset) + ", " + std::to_string(ref.length) +
                            " bytes long, lies past the end of " + articles.path().filename().string() + " (" +
                            std::to_string(articles.size()) + " bytes)");
    }
    take(index, articles.Read(ref.offset, ref.length));
  }
}

std::u16string CheckedHeadword(std::string_view utf8, const std::filesystem::path& name, std::string_view unit,
                               uint64_t position) {
  std::u16string headword = Utf8ToUtf16(utf8);
  if (const std::string_view problem = HeadwordProblem(headword); !problem.empty()) {
    throw ImportError(name, unit, position, std::string(problem));
  }
  return headword;
}

size_t FitBodies(std::vector<DictionaryEntry>& entries) {
  size_t shortened = 0;
  for (DictionaryEntry& entry : entries) shortened += FitEntryBody(entry.body) ? 1 : 0;
  return shortened;
}

std::string StyledArticle(ArticleStyle style, std::u16string_view headword, std::string_view article) {
  switch (style) {
    case ArticleStyle::WordNet: return WordNetToMarkup(headword, article);
    case ArticleStyle::Foldoc: return FoldocToMarkup(headword, article);
    case ArticleStyle::AsIs: break;
  }
  std::string body(article);
  while (body.ends_with('\n')) body.pop_back();
  return body;
}

ImportedEntries ReadTextFormat(const std::filesystem::path& source, ArticleStyle) { return ReadTextSource(source); }
ImportedEntries ReadStarDictFormat(const std::filesystem::path& source, ArticleStyle) { return ReadStarDict(source); }

constexpr std::array kFormats{ImportFormatInfo{"text", "the .txt source", false, &ReadTextFormat},
                              ImportFormatInfo{"stardict", "the .ifo file", false, &ReadStarDictFormat},
                              ImportFormatInfo{"dictd", "the .index file", true, &ReadDictd}};

}  // namespace

std::span<const ArticleStyleInfo> ArticleStyles() { return kStyles; }

std::optional<ArticleStyle> ArticleStyleByName(std::string_view name) {
  for (const ArticleStyleInfo& info : kStyles) {
    if (info.name == name) return info.style;
  }
  return std::nullopt;
}

std::span<const ImportFormatInfo> ImportFormats() { return kFormats; }

const ImportFormatInfo* ImportFormatByName(std::string_view name) {
  for (const ImportFormatInfo& info : kFormats) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

ImportedEntries ReadTextSource(const std::filesystem::path& source) {
  return {ParseTextSource(ReadBytes(source), source), 0};
}

ImportedEntries ReadStarDict(const std::filesystem::path& ifo) {
  const std::filesystem::path stem = Stem(ifo);
  const StarDictInfo info = ParseStarDictInfo(ReadBytes(ifo), ifo);

  std::filesystem::path indexName = stem.string() + ".idx";
  std::string indexBytes;
  if (!std::filesystem::exists(indexName) && std::filesystem::exists(indexName.string() + ".gz")) {
    indexName += ".gz";
    DictzipReader packed(ReadBytes(indexName), indexName);
    indexBytes = packed.Read(0, packed.size());
  } else {
    indexBytes = ReadBytes(indexName);
  }
  const std::vector<StarDictIndexEntry> index = ParseStarDictIndex(indexBytes, info.offsetBits, indexName);
  if (index.size() != info.wordCount) {
    throw ImportError(indexName, kAtByte, indexBytes.size(),
                      "holds " + std::to_string(index.size()) + " entries, the .ifo's wordcount says " +
                          std::to_string(info.wordCount));
  }
  if (info.indexFileSize && *info.indexFileSize != indexBytes.size()) {
    throw ImportError(indexName, kAtByte, indexBytes.size(),
                      "the file ends here, the .ifo's idxfilesize says " + std::to_string(*info.indexFileSize));
  }

  ImportedEntries result;
  std::vector<ArticleRef> refs;
  refs.reserve(index.size());
  result.entries.reserve(index.size());
  for (const StarDictIndexEntry& entry : index) {
    result.entries.push_back({CheckedHeadword(entry.word, indexName, kAtByte, entry.position), {}});
    refs.push_back({entry.offset, entry.size, kAtByte, entry.position});
  }
  ArticleFile articles = ArticleFile::Open(stem);
  ReadArticles(articles, refs, indexName, [&](size_t i, const std::string& article) {
    const auto fields = SplitStarDictArticle(article, info.sameTypeSequence, articles.path(), refs[i].offset);
    result.entries[i].body = StarDictFieldsToMarkup(fields);
  });

  // Synonyms: extra headwords whose entry is the one they point at.
  const std::filesystem::path synonymName = stem.string() + ".syn";
  if (std::filesystem::exists(synonymName)) {
    const size_t mainCount = result.entries.size();
    for (const StarDictSynonym& synonym : ParseStarDictSynonyms(ReadBytes(synonymName), synonymName)) {
      if (synonym.entry >= mainCount) {
        throw ImportError(synonymName, kAtByte, synonym.position,
                          "points at entry " + std::to_string(synonym.entry) + " of " + std::to_string(mainCount));
      }
      result.entries.push_back({CheckedHeadword(synonym.word, synonymName, kAtByte, synonym.position),
                                result.entries[synonym.entry].body});
    }
  }
  result.shortened = FitBodies(result.entries);
  return result;
}

ImportedEntries ReadDictd(const std::filesystem::path& indexName, ArticleStyle style) {
  const std::vector<DictdIndexLine> lines = ParseDictdIndex(ReadBytes(indexName), indexName);
  const bool keepsAllCharacters = std::any_of(lines.begin(), lines.end(), [](const DictdIndexLine& line) {
    return line.key == "00-database-allchars" || line.key == "00databaseallchars";
  });
  std::vector<const DictdIndexLine*> headwords;
  std::vector<ArticleRef> refs;
  for (const DictdIndexLine& line : lines) {
    if (IsDictdMetadataKey(line.key)) continue;
    headwords.push_back(&line);
    refs.push_back({line.offset, line.length, kAtLine, line.line});
  }
  ImportedEntries result;
  result.entries.resize(headwords.size());
  ArticleFile articles = ArticleFile::Open(Stem(indexName));
  ReadArticles(articles, refs, indexName, [&](size_t i, const std::string& bytes) {
    const DictdIndexLine& line = *headwords[i];
    const std::string article = DictdTextAsUtf8(bytes);
    std::u16string headword = line.original.empty() ? DictdDisplayHeadword(line.key, article, keepsAllCharacters)
                                                    : Utf8ToUtf16(line.original);
    if (const std::string_view problem = HeadwordProblem(headword); !problem.empty()) {
      throw ImportError(indexName, kAtLine, line.line, std::string(problem));
    }
    result.entries[i].body = StyledArticle(style, headword, article);
    result.entries[i].headword = std::move(headword);
  });
  result.shortened = FitBodies(result.entries);
  return result;
}

ImportedEntries ImportDictionary(const ImportFormatInfo& format, const std::filesystem::path& source,
                                 const std::filesystem::path& outBase, ArticleStyle style) {
  ImportedEntries imported = format.read(source, style);
  if (imported.entries.empty()) throw DataFileError(source, "holds no entries");
  SortEntries(imported.entries);
  if (outBase.has_parent_path()) {
    std::error_code error;
    std::filesystem::create_directories(outBase.parent_path(), error);
    if (error) throw DataFileError(outBase.parent_path(), error.message());
  }
  WriteDictionary(DictionaryPaths::ForBasePath(outBase), imported.entries);
  return imported;
}

}  // namespace lexorin
