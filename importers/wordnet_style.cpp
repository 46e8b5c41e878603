#include "importers/wordnet_style.h"

#include <array>
#include <vector>

#include "dictionary/headword_compare.h"
#include "dictionary/text_encoding.h"
#include "importers/bracket_text.h"

namespace lexorin {
namespace {

struct KindOfWord {
  std::string_view tag;
  std::string_view name;
};
constexpr std::array kKindsOfWord{KindOfWord{"n", "noun"}, KindOfWord{"v", "verb"}, KindOfWord{"adj", "adjective"},
                                  KindOfWord{"adv", "adverb"}};

struct RelationLabel {
  std::string_view tag;  // as in "[syn: ...]"
  std::string_view label;
  bool omitsHeadword;    // the headword is not listed among its own synonyms
};
constexpr std::array kRelations{RelationLabel{"syn", "Synonyms", true}, RelationLabel{"ant", "Antonyms", false},
                                RelationLabel{"also", "See also", false}};

struct Sense {
  std::string_view kind;  // empty when the sense continues the previous kind
  std::string number;
  std::string text;       // the wrapped lines joined
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "n 1: text" or "2: text" (after the indentation): the kind, the number and
// where the text starts; false for any other line.
bool ParseSenseStart(std::string_view line, Sense& sense, size_t& textStart) {
  size_t at = 0;
  sense.kind = {};
  for (const KindOfWord& kind : kKindsOfWord) {
    if (line.size() > kind.tag.size() && line.starts_with(kind.tag) && line[kind.tag.size()] == ' ') {
      sense.kind = kind.name;
      at = kind.tag.size() + 1;
      break;
    }
  }
  const size_t digits = at;
  while (at < line.size() && IsDigit(line[at])) ++at;
  if (at == digits || at >= line.size() || line[at] != ':') return false;
  sense.number = std::string(line.substr(digits, at - digits));
  textStart = at + 1;
  return true;
}

// Splits "[tag: {a}, {b c}]" groups off the end of a sense's text.
struct Relation {
  const RelationLabel* label;
  std::vector<std::string> names;
};

std::vector<Relation> TakeRelations(std::string& text) {
  std::vector<Relation> relations;
  for (;;) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty() || text.back() != ']') break;
    const size_t open = text.rfind('[');
    if (open == std::string::npos) break;
    const std::string_view group = std::string_view(text).substr(open + 1, text.size() - open - 2);
    const size_t colon = group.find(':');
    if (colon == std::string_view::npos) break;
    const RelationLabel* label = nullptr;
    for (const RelationLabel& candidate : kRelations) {
      if (group.substr(0, colon) == candidate.tag) label = &candidate;
    }
    if (label == nullptr) break;
    Relation relation{label, {}};
    std::string_view rest = group.substr(colon + 1);
    while (true) {
      const size_t start = rest.find('{');
      const size_t end = rest.find('}', start);
      if (start == std::string_view::npos || end == std::string_view::npos) break;
      relation.names.push_back(CollapseSpaces(rest.substr(start + 1, end - start - 1)));
      rest.remove_prefix(end + 1);
    }
    relations.insert(relations.begin(), std::move(relation));
    text.resize(open);
  }
  return relations;
}

// Splits a gloss into its definition and its quoted examples:
//   definition; "example one"; "example two"
void SplitGloss(std::string_view gloss, std::string& definition, std::vector<std::string>& examples) {
  size_t quote = std::string_view::npos;
  for (size_t at = gloss.find('"'); at != std::string_view::npos; at = gloss.find('"', at + 1)) {
    std::string_view before = gloss.substr(0, at);
    while (before.ends_with(' ')) before.remove_suffix(1);
    if (before.empty() || before.ends_with(';') || before.ends_with(':')) {
      quote = at;
      break;
    }
  }
  std::string_view head = gloss.substr(0, quote == std::string_view::npos ? gloss.size() : quote);
  while (head.ends_with(' ') || head.ends_with(';') || head.ends_with(':')) head.remove_suffix(1);
  definition = std::string(head);
  if (quote == std::string_view::npos) return;
  std::string_view rest = gloss.substr(quote);
  while (!rest.empty()) {
    // Each example runs from its opening quote to a quote followed by ";"
    // or by the end.
    size_t close = std::string_view::npos;
    for (size_t at = rest.find('"', 1); at != std::string_view::npos; at = rest.find('"', at + 1)) {
      const std::string_view after = rest.substr(at + 1);
      const size_t next = after.find_first_not_of(' ');
      if (next == std::string_view::npos || after[next] == ';') {
        close = at;
        break;
      }
    }
    if (close == std::string_view::npos) {
      examples.emplace_back(rest);
      break;
    }
    examples.emplace_back(rest.substr(0, close + 1));
    rest.remove_prefix(close + 1);
    const size_t next = rest.find('"');
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next);
  }
}

void WriteSense(const Sense& sense, std::u16string_view headword, std::string& out) {
  std::string text = sense.text;
  const std::vector<Relation> relations = TakeRelations(text);
  std::string definition;
  std::vector<std::string> examples;
  SplitGloss(CollapseSpaces(text), definition, examples);
  out += sense.number + ". " + PlainBrackets(definition);
  for (const std::string& example : examples) out += " {" + PlainBrackets(example) + "}";
  out += '\n';
  for (const Relation& relation : relations) {
    std::string names;
    for (const std::string& name : relation.names) {
      if (relation.label->omitsHeadword && HeadwordsEqualIgnoringCase(Utf8ToUtf16(name), headword)) continue;
      if (!names.empty()) names += ", ";
      names += PlainBrackets(name);
    }
    if (!names.empty()) out += "   " + std::string(relation.label->label) + ": " + names + '\n';
  }
}

}  // namespace

std::string WordNetToMarkup(std::u16string_view headword, std::string_view article) {
  std::string out = PlainBrackets(Utf16ToUtf8(headword)) + '\n';
  std::vector<Sense> senses;
  std::vector<std::string> loose;  // lines outside the sense layout, kept as they are
  bool header = true;
  for (const std::string_view line : SplitLines(article)) {
    const size_t indent = Indentation(line);
    if (header && indent == 0 && !line.empty()) continue;  // the headword line
    header = false;
    if (indent == line.size()) continue;
    const std::string_view content = line.substr(indent);
    Sense sense;
    size_t textStart = 0;
    if (indent <= 4 && ParseSenseStart(content, sense, textStart)) {
      sense.text = std::string(content.substr(textStart));
      senses.push_back(std::move(sense));
    } else if (!senses.empty()) {
      senses.back().text += ' ';
      senses.back().text += content;
    } else {
      loose.push_back(PlainBrackets(CollapseSpaces(content)));
    }
  }
  for (const std::string& line : loose) out += line + '\n';
  for (const Sense& sense : senses) {
    if (!sense.kind.empty()) out += "[" + std::string(sense.kind) + "]\n";
    WriteSense(sense, headword, out);
  }
  if (out.ends_with('\n')) out.pop_back();
  return out;
}

}  // namespace lexorin
