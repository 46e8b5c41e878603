#pragma once
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

#include "dictionary/entry_file.h"
#include "dictionary/exact_index.h"
#include "dictionary/headword_list.h"
#include "dictionary/number_lines.h"

namespace lexorin {

// The four files of one dictionary.
struct DictionaryPaths {
  std::filesystem::path headwords;  // .index1
  std::filesystem::path offsets;    // .index2
  std::filesystem::path lengths;    // .index3
  std::filesystem::path entries;    // .dict

  // <dir>/<base>.index1 ... <dir>/<base>.dict
  static DictionaryPaths ForBase(const std::filesystem::path& dir, std::string_view base);
  // <basePath>.index1 ... <basePath>.dict
  static DictionaryPaths ForBasePath(const std::filesystem::path& basePath);
};

// How the entry file is held: open for the dictionary's life, or opened
// for each read and closed before converting (the editable dictionary, whose
// file its editor rewrites between reads).
enum class EntryFileMode { KeepOpen, ReopenPerRead };

// One loaded dictionary: headwords, the two number lists and the entry file.
// Immutable once loaded; a reload builds a new one, and whoever still reads
// the old one (a render worker) keeps it alive through its shared_ptr.
class LoadedDictionary {
 public:
  // Loads the three index files and opens the entry file. Throws
  // DataFileError naming the first index file that cannot be read. A missing
  // entry file is not an error here: its entries read as nothing.
  static std::shared_ptr<const LoadedDictionary> Load(const DictionaryPaths& paths,
                                                      EntryFileMode mode = EntryFileMode::KeepOpen);
  // A dictionary made from lists already in memory (the editor's new state).
  static std::shared_ptr<const LoadedDictionary> FromParts(HeadwordList headwords, NumberLines offsets,
                                                           NumberLines lengths, const DictionaryPaths& paths,
                                                           EntryFileMode mode);

  const HeadwordList& headwords() const { return headwords_; }
  const NumberLines& offsets() const { return offsets_; }
  const NumberLines& lengths() const { return lengths_; }
  const DictionaryPaths& paths() const { return paths_; }
  size_t size() const { return headwords_.size(); }

  // The offset and length lines of entry `index`; nothing when a number file
  // is shorter than the headword list.
  struct Lines {
    std::string_view offset;
    std::string_view length;
  };
  std::optional<Lines> LinesAt(size_t index) const;

  // Reads entry `index` (nothing read when its lines are missing).
  EntryText ReadEntryAt(size_t index) const;

  // The whole-word index ignoring case, built on first use (thread-safe).
  const ExactMatchIndex& exactIndex() const;

  size_t MemoryBytes() const { return headwords_.MemoryBytes() + offsets_.MemoryBytes() + lengths_.MemoryBytes(); }

 private:
  LoadedDictionary() = default;

  HeadwordList headwords_;
  NumberLines offsets_;
  NumberLines lengths_;
  DictionaryPaths paths_;
  EntryFileMode mode_ = EntryFileMode::KeepOpen;
  EntryFile entryFile_;
  mutable std::once_flag indexOnce_;
  mutable std::unique_ptr<ExactMatchIndex> index_;
};

}  // namespace lexorin
