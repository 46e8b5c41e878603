#pragma once
// The group argument (ru or en) of the word-form commands and the loading of
// its dictionaries.
#include <memory>

#include "dictionary/loaded_dictionary.h"
#include "morphology/word_form_groups.h"
#include "tools/cli.h"

namespace lexorin::cli {

// The group named by the first positional argument; throws UsageError.
inline const WordFormGroup& ChooseWordFormGroup(const Arguments& args) {
  if (args.Positional().empty()) throw UsageError("give the group: ru or en");
  const WordFormGroup* group = WordFormGroupByCode(args.Positional()[0]);
  if (group == nullptr) throw UsageError("unknown group " + args.Positional()[0] + " (ru or en)");
  return *group;
}

// A pane's dictionary under the data folder; throws DataFileError.
inline std::shared_ptr<const LoadedDictionary> LoadPaneDictionary(const std::filesystem::path& dataDir, PaneId pane) {
  return LoadedDictionary::Load(DictionaryPaths::ForBase(dataDir, Pane(pane).base));
}

}  // namespace lexorin::cli
