#pragma once
#include <filesystem>
#include <string>

#include "dictionary/loaded_dictionary.h"

namespace lexorin {

// The four files of the dictionary the selectable pane shows: headword,
// offset, length and entry file, in this order. Relative paths are taken
// from the program's folder.
struct SelectablePaths {
  std::string headwords;
  std::string offsets;
  std::string lengths;
  std::string entries;

  // Data/<base>.index1 ... Data/<base>.dict, relative to the program's folder.
  static SelectablePaths ForDataBase(std::string_view base) {
    const std::string stem = "Data/" + std::string(base);
    return {stem + ".index1", stem + ".index2", stem + ".index3", stem + ".dict"};
  }

  bool complete() const { return !headwords.empty() && !offsets.empty() && !lengths.empty() && !entries.empty(); }

  DictionaryPaths ResolvedIn(const std::filesystem::path& programFolder) const {
    return {programFolder / headwords, programFolder / offsets, programFolder / lengths, programFolder / entries};
  }
};

}  // namespace lexorin
