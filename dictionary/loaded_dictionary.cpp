#include "dictionary/loaded_dictionary.h"

namespace lexorin {

DictionaryPaths DictionaryPaths::ForBase(const std::filesystem::path& dir, std::string_view base) {
  return ForBasePath(dir / std::filesystem::path(std::string(base)));
}

DictionaryPaths DictionaryPaths::ForBasePath(const std::filesystem::path& basePath) {
  const std::string stem = basePath.string();
  return {stem + ".index1", stem + ".index2", stem + ".index3", stem + ".dict"};
}

std::shared_ptr<const LoadedDictionary> LoadedDictionary::Load(const DictionaryPaths& paths, EntryFileMode mode) {
  HeadwordList headwords = LoadHeadwords(paths.headwords);
  NumberLines offsets = LoadNumberLines(paths.offsets);
  NumberLines lengths = LoadNumberLines(paths.lengths);
  return FromParts(std::move(headwords), std::move(offsets), std::move(lengths), paths, mode);
}

std::shared_ptr<const LoadedDictionary> LoadedDictionary::FromParts(HeadwordList headwords, NumberLines offsets,
                                                                    NumberLines lengths, const DictionaryPaths& paths,
                                                                    EntryFileMode mode) {
  std::shared_ptr<LoadedDictionary> dictionary(new LoadedDictionary());
  dictionary->headwords_ = std::move(headwords);
  dictionary->offsets_ = std::move(offsets);
  dictionary->lengths_ = std::move(lengths);
  dictionary->paths_ = paths;
  dictionary->mode_ = mode;
  if (mode == EntryFileMode::KeepOpen) dictionary->entryFile_ = OpenEntryFile(paths.entries);
  return dictionary;
}

std::optional<LoadedDictionary::Lines> LoadedDictionary::LinesAt(size_t index) const {
  const auto offset = offsets_.At(index);
  const auto length = lengths_.At(index);
  if (!offset || !length) return std::nullopt;
  return Lines{*offset, *length};
}

EntryText LoadedDictionary::ReadEntryAt(size_t index) const {
  const auto lines = LinesAt(index);
  if (!lines) return {};
  if (mode_ == EntryFileMode::ReopenPerRead) {
    const EntryFile file = OpenEntryFile(paths_.entries);
    return ReadEntry(file, lines->offset, lines->length);
  }
  return ReadEntry(entryFile_, lines->offset, lines->length);
}

const ExactMatchIndex& LoadedDictionary::exactIndex() const {
  std::call_once(indexOnce_, [this] { index_ = std::make_unique<ExactMatchIndex>(headwords_); });
  return *index_;
}

}  // namespace lexorin
