// lexorin list: every headword of a dictionary in file order.
#include <iostream>

#include "dictionary/text_encoding.h"
#include "tools/cli.h"
#include "tools/dictionary_choice.h"
#include "tools/json.h"

namespace lexorin::cli {
namespace {

int RunList(CommandContext& context) {
  const Arguments args(context.args, {"--json"}, {"--pane", "--files"});
  if (!args.Positional().empty()) throw UsageError("unexpected argument " + args.Positional()[0]);
  const auto dictionary = LoadChosen(ChooseDictionary(args, context.dataDir));
  const HeadwordList& headwords = dictionary->headwords();
  if (args.Has("--json")) {
    std::string out = "[";
    for (size_t i = 0; i < headwords.size(); ++i) {
      if (i) out += ", ";
      out += JsonString(headwords[i]);
    }
    std::cout << out << "]\n";
    return kSuccess;
  }
  std::string out;
  for (size_t i = 0; i < headwords.size(); ++i) {
    out += Utf16ToUtf8(headwords[i]);
    out += '\n';
  }
  std::cout << out;
  return kSuccess;
}

const CommandRegistration kList{"list", "list [--pane PANE | --files BASEPATH] [--json]", &RunList};

}  // namespace
}  // namespace lexorin::cli
