// lexorin base-form: the base form of a word, found exactly as the group's
// input box finds it before its ordinary search.
#include <iostream>

#include "dictionary/text_encoding.h"
#include "tools/cli.h"
#include "tools/commands/word_form_choice.h"
#include "tools/json.h"

namespace lexorin::cli {
namespace {

struct GroupLists {
  std::shared_ptr<const LoadedDictionary> xVietnamese;
  std::shared_ptr<const LoadedDictionary> second;
};

std::string ToJson(const std::optional<BaseForm>& found, const GroupLists& lists) {
  if (!found) return "{\"found\": false}";
  return "{\"found\": true, \"index\": " + std::to_string(found->index) +
         ", \"headword\": " + JsonString(lists.xVietnamese->headwords()[found->index]) +
         ", \"second\": " + (found->second ? std::to_string(*found->second) : "null") + "}";
}

std::string ToPlain(const std::optional<BaseForm>& found, const GroupLists& lists) {
  return found ? Utf16ToUtf8(lists.xVietnamese->headwords()[found->index]) : std::string();
}

int RunBaseForm(CommandContext& context) {
  const Arguments args(context.args, {"--json"}, {"--batch"});
  const WordFormGroup& group = ChooseWordFormGroup(args);
  const auto batch = args.Value("--batch");
  const size_t words = args.Positional().size() - 1;
  if (batch && words != 0) throw UsageError("give either WORD or --batch FILE");
  if (!batch && words != 1) throw UsageError("give one WORD");
  const bool json = args.Has("--json");

  const GroupLists lists{LoadPaneDictionary(context.dataDir, group.xVietnamese),
                         LoadPaneDictionary(context.dataDir, group.second)};
  const BaseFormLists finderLists = BaseFormLists::Of(lists.xVietnamese.get(), lists.second.get());
  const auto find = [&](std::string_view word) { return group.findBaseForm(Utf8ToUtf16(word), finderLists); };

  if (batch) {
    std::string out;
    for (const std::string& word : ReadBatchLines(*batch)) {
      const auto found = find(word);
      out += json ? ToJson(found, lists) : ToPlain(found, lists);
      out += '\n';
    }
    std::cout << out;
    return kSuccess;
  }
  const auto found = find(args.Positional()[1]);
  if (json) {
    std::cout << ToJson(found, lists) << "\n";
  } else if (found) {
    std::cout << ToPlain(found, lists) << "\n";
  }
  return found ? kSuccess : kNothingFound;
}

const CommandRegistration kBaseForm{"base-form", "base-form ru|en [--json] [--batch FILE] [WORD]", &RunBaseForm};

}  // namespace
}  // namespace lexorin::cli
