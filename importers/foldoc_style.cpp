#include "importers/foldoc_style.h"

#include <vector>

#include "dictionary/text_encoding.h"
#include "importers/bracket_text.h"

namespace lexorin {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "<subject, subject> text" (after an optional sense number "2. ") with the
// subject in blue.
std::string MarkSubject(std::string line) {
  size_t at = 0;
  while (at < line.size() && IsDigit(line[at])) ++at;
  if (at > 0 && line.compare(at, 2, ". ") == 0) {
    at += 2;
  } else {
    at = 0;
  }
  if (at >= line.size() || line[at] != '<') return line;
  const size_t close = line.find('>', at);
  if (close == std::string::npos) return line;
  // The subject keeps no brackets of its own.
  const std::string subject = PlainBrackets(std::string_view(line).substr(at + 1, close - at - 1));
  return line.substr(0, at) + "[" + subject + "]" + line.substr(close + 1);
}

// The lines a paragraph becomes: its lines at the paragraph's own
// indentation are joined, deeper ones kept apart with their extra indent.
std::vector<std::string> Unwrap(const std::vector<std::string_view>& paragraph) {
  std::vector<std::string> lines;
  const size_t base = Indentation(paragraph.front());
  bool joinable = false;
  for (const std::string_view line : paragraph) {
    const size_t indent = Indentation(line);
    const std::string_view content = line.substr(indent);
    if (indent <= base && joinable) {
      lines.back() += ' ';
      lines.back() += content;
    } else {
      lines.emplace_back(std::string(indent > base ? indent - base : 0, ' ') + std::string(content));
    }
    joinable = indent <= base;
  }
  return lines;
}

}  // namespace

std::string FoldocToMarkup(std::u16string_view headword, std::string_view article) {
  std::string out = PlainBrackets(Utf16ToUtf8(headword));
  const std::vector<std::string_view> lines = SplitLines(article);
  size_t at = 0;
  // The names the article is filed under, up to the first blank line.
  while (at < lines.size() && !lines[at].empty() && Indentation(lines[at]) == 0) ++at;
  while (at < lines.size()) {
    std::vector<std::string_view> paragraph;
    for (; at < lines.size() && Indentation(lines[at]) < lines[at].size(); ++at) paragraph.push_back(lines[at]);
    for (; at < lines.size() && Indentation(lines[at]) == lines[at].size(); ++at) {
    }
    if (paragraph.empty()) continue;
    const std::vector<std::string> unwrapped = Unwrap(paragraph);
    for (size_t i = 0; i < unwrapped.size(); ++i) {
      std::string line = i == 0 ? MarkSubject(unwrapped[i]) : unwrapped[i];
      out += '\n';
      out += BalanceBrackets(line);
    }
  }
  return out;
}

}  // namespace lexorin
