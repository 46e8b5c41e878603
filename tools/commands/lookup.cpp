// lexorin lookup: the nearest headword of a word and its rendered entry,
// exactly as the pane's input box and render worker would show it.
#include <iostream>

#include "app/messages.h"
#include "dictionary/locate.h"
#include "dictionary/pane_render.h"
#include "dictionary/text_encoding.h"
#include "tools/cli.h"
#include "tools/dictionary_choice.h"
#include "tools/json.h"
#include "tools/run_collector.h"

namespace lexorin::cli {
namespace {

struct LookupResult {
  std::optional<size_t> index;
  std::u16string headword;
  PaneRenderOutcome outcome = PaneRenderOutcome::NoSelection;
  std::vector<CollectedRun> runs;
};

LookupResult Lookup(const LoadedDictionary& dictionary, PaneId pane, std::string_view word) {
  LookupResult result;
  result.index = LocateHeadword(Utf8ToUtf16(word), dictionary.headwords());
  if (!result.index) return result;
  result.headword = std::u16string(dictionary.headwords()[*result.index]);
  RunCollector collector;
  result.outcome = RenderPaneEntry(dictionary, pane, result.index, collector);
  result.runs = collector.runs();
  return result;
}

// The message box the pane's worker would show, in the English table.
std::optional<std::string_view> MessageOf(PaneRenderOutcome outcome) {
  if (outcome == PaneRenderOutcome::ReadError) return kReadFileError;
  if (outcome == PaneRenderOutcome::ConversionError) {
    return MessageText(Message::IncreaseVirtualMemory, InterfaceLanguage::English);
  }
  return std::nullopt;
}

std::string ToJson(const LookupResult& result) {
  if (!result.index) return "{\"index\": null}";
  std::string out = "{\"index\": " + std::to_string(*result.index) + ", \"headword\": " + JsonString(result.headword);
  if (result.outcome == PaneRenderOutcome::Rendered) {
    out += ", \"runs\": " + RunsToJson(result.runs);
  } else {
    out += ", \"runs\": null";
    if (const auto message = MessageOf(result.outcome)) out += ", \"message\": " + JsonString(*message);
  }
  return out + "}";
}

void PrintPlain(const LookupResult& result, bool ansi) {
  std::cout << Utf16ToUtf8(result.headword) << "\n";
  if (const auto message = MessageOf(result.outcome)) {
    std::cout << *message << "\n";
  } else if (result.outcome == PaneRenderOutcome::Rendered) {
    std::cout << RunsToTerminal(result.runs, ansi) << "\n";
  }
}

// One line per word in a batch: the headword, a tab, and the entry text with
// its line breaks shown as " | ".
void PrintBatchLine(const LookupResult& result) {
  if (!result.index) {
    std::cout << "\n";
    return;
  }
  std::string text;
  if (const auto message = MessageOf(result.outcome)) {
    text = *message;
  } else {
    for (char c : RunsToTerminal(result.runs, false)) {
      if (c == '\n') {
        text += " | ";
      } else {
        text += c;
      }
    }
  }
  std::cout << Utf16ToUtf8(result.headword) << "\t" << text << "\n";
}

int RunLookup(CommandContext& context) {
  const Arguments args(context.args, {"--json"}, {"--pane", "--files", "--batch"});
  const DictionaryChoice choice = ChooseDictionary(args, context.dataDir);
  const bool json = args.Has("--json");
  const auto batch = args.Value("--batch");
  if (batch && !args.Positional().empty()) throw UsageError("give either WORD or --batch FILE");
  if (!batch && args.Positional().size() != 1) throw UsageError("give one WORD");

  const auto dictionary = LoadChosen(choice);
  if (batch) {
    for (const std::string& word : ReadBatchLines(*batch)) {
      const LookupResult result = Lookup(*dictionary, choice.pane, word);
      if (json) {
        std::cout << ToJson(result) << "\n";
      } else {
        PrintBatchLine(result);
      }
    }
    return kSuccess;
  }
  const LookupResult result = Lookup(*dictionary, choice.pane, args.Positional()[0]);
  if (json) {
    std::cout << ToJson(result) << "\n";
  } else if (result.index) {
    PrintPlain(result, StdoutIsTerminal());
  }
  return result.index ? kSuccess : kNothingFound;
}

const CommandRegistration kLookup{
    "lookup", "lookup [--pane PANE | --files BASEPATH] [--json] [--batch FILE] [WORD]", &RunLookup};

}  // namespace
}  // namespace lexorin::cli
