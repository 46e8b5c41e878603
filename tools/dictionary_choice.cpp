#include "tools/dictionary_choice.h"

namespace lexorin::cli {

DictionaryChoice ChooseDictionary(const Arguments& args, const std::filesystem::path& dataDir) {
  const auto paneName = args.Value("--pane");
  const auto files = args.Value("--files");
  if (paneName && files) throw UsageError("--pane and --files exclude each other");
  DictionaryChoice choice;
  if (files) {
    choice.pane = PaneId::Selectable1;
    choice.paths = DictionaryPaths::ForBasePath(*files);
    return choice;
  }
  if (paneName) {
    const auto pane = PaneByName(*paneName);
    if (!pane || Pane(*pane).base.empty()) throw UsageError("unknown pane " + *paneName);
    choice.pane = *pane;
  }
  choice.paths = DictionaryPaths::ForBase(dataDir, Pane(choice.pane).base);
  return choice;
}

std::shared_ptr<const LoadedDictionary> LoadChosen(const DictionaryChoice& choice) {
  const EntryFileMode mode = choice.pane == PaneId::UserEdit ? EntryFileMode::ReopenPerRead : EntryFileMode::KeepOpen;
  return LoadedDictionary::Load(choice.paths, mode);
}

}  // namespace lexorin::cli
