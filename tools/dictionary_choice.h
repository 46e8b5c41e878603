#pragma once
#include <filesystem>
#include <memory>

#include "dictionary/catalogue.h"
#include "dictionary/loaded_dictionary.h"
#include "tools/cli.h"

namespace lexorin::cli {

// The dictionary a command works on: a pane of the catalogue under the data
// folder (--pane), or any dictionary by its path without extension (--files),
// shown like the selectable pane.
struct DictionaryChoice {
  PaneId pane = PaneId::EngViet;
  DictionaryPaths paths;
};

// Reads --pane and --files (at most one of them). Throws UsageError.
DictionaryChoice ChooseDictionary(const Arguments& args, const std::filesystem::path& dataDir);

// Loads the chosen dictionary; throws DataFileError.
std::shared_ptr<const LoadedDictionary> LoadChosen(const DictionaryChoice& choice);

}  // namespace lexorin::cli
