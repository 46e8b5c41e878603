#include "importers/bracket_text.h"

namespace lexorin {

std::string PlainBrackets(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '{' || c == '[') c = '(';
    if (c == '}' || c == ']') c = ')';
  }
  return out;
}

std::string BalanceBrackets(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 1);
  char open = 0;  // the closing bracket of the span that is open
  for (const char c : line) {
    if (c == '{' || c == '[') {
      if (open) {
        out += '(';
      } else {
        open = c == '{' ? '}' : ']';
        out += c;
      }
    } else if (c == '}' || c == ']') {
      if (c == open) {
        open = 0;
        out += c;
      } else {
        out += ')';
      }
    } else {
      out += c;
    }
  }
  if (open) out += open;
  return out;
}

std::string CollapseSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool space = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      space = !out.empty();
    } else {
      if (space) out += ' ';
      space = false;
      out += c;
    }
  }
  return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

size_t Indentation(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

}  // namespace lexorin
