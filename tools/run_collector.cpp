#include "tools/run_collector.h"

#include "dictionary/text_encoding.h"
#include "tools/json.h"

namespace lexorin::cli {
namespace {

// Terminal colours of the entry colour states.
std::string_view AnsiColour(int state) {
  switch (ColourOfState(state)) {
    case EntryColour::Red: return "31";
    case EntryColour::Desktop: return "36";
    case EntryColour::Purple: return "35";
    case EntryColour::Blue: return "34";
    case EntryColour::Automatic:
    case EntryColour::ViewDefault: break;
  }
  return "39";
}

std::u16string WithLineFeeds(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      out.push_back(u'\n');
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace

void RunCollector::WriteRun(std::u16string_view text, const RunFormat& format) {
  if (text.empty()) return;
  if (!runs_.empty() && runs_.back().format == format) {
    runs_.back().text.append(text);
  } else {
    runs_.push_back({std::u16string(text), format});
  }
}

std::string RunsToJson(const std::vector<CollectedRun>& runs) {
  std::string out = "[";
  for (size_t i = 0; i < runs.size(); ++i) {
    const CollectedRun& run = runs[i];
    if (i) out += ", ";
    out += "{\"text\": " + JsonString(run.text) + ", \"bold\": " + (run.format.bold ? "true" : "false") +
           ", \"italic\": " + (run.format.italic ? "true" : "false") +
           ", \"colour\": " + std::to_string(run.format.colourState) + "}";
  }
  return out + "]";
}

std::string RunsToTerminal(const std::vector<CollectedRun>& runs, bool ansi) {
  std::string out;
  for (const CollectedRun& run : runs) {
    if (ansi) {
      out += "\x1b[0;";
      if (run.format.bold) out += "1;";
      if (run.format.italic) out += "3;";
      out += std::string(AnsiColour(run.format.colourState)) + "m";
    }
    out += Utf16ToUtf8(WithLineFeeds(run.text));
  }
  if (ansi && !runs.empty()) out += "\x1b[0m";
  return out;
}

}  // namespace lexorin::cli
