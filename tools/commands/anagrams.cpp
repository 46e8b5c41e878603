// lexorin anagrams: the approximate search of a group, every headword of its
// X-Vietnamese dictionary made of the same characters as the word.
#include <iostream>

#include "dictionary/text_encoding.h"
#include "morphology/anagram.h"
#include "tools/cli.h"
#include "tools/commands/word_form_choice.h"
#include "tools/json.h"

namespace lexorin::cli {
namespace {

int RunAnagrams(CommandContext& context) {
  const Arguments args(context.args, {"--json"}, {});
  const WordFormGroup& group = ChooseWordFormGroup(args);
  if (args.Positional().size() != 2) throw UsageError("give one WORD");
  const std::u16string query = Utf8ToUtf16(args.Positional()[1]);
  const auto dictionary = LoadPaneDictionary(context.dataDir, group.xVietnamese);
  // An empty word searches nothing and prints nothing, as in the window.
  if (query.empty()) return kNothingFound;

  // One search: a single visit of the list costs less than building the index.
  const HeadwordList& headwords = dictionary->headwords();
  const std::vector<size_t> found = FindAnagramsByScan(query, headwords);
  std::string out;
  if (args.Has("--json")) {
    out += '[';
    for (size_t i = 0; i < found.size(); ++i) {
      if (i) out += ", ";
      out += JsonString(headwords[found[i]]);
    }
    out += "]\n";
  } else {
    for (size_t index : found) {
      out += Utf16ToUtf8(headwords[index]);
      out += '\n';
    }
  }
  std::cout << out;
  return found.empty() ? kNothingFound : kSuccess;
}

const CommandRegistration kAnagrams{"anagrams", "anagrams ru|en [--json] WORD", &RunAnagrams};

}  // namespace
}  // namespace lexorin::cli
