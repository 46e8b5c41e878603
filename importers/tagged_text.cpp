#include "importers/tagged_text.h"

#include <algorithm>
#include <array>
#include <span>

namespace lexorin {
namespace {

// What a tag does. `open` and `close` are written where the tag opens and
// closes; a leading LF in them means "on a new line".
struct TagRule {
  std::string_view tag;
  std::string_view open;
  std::string_view close;
  bool dropContent = false;
};

constexpr std::array kHtmlRules{
    TagRule{"br", "\n", ""},          TagRule{"p", "\n", "\n"},        TagRule{"div", "\n", "\n"},
    TagRule{"tr", "\n", "\n"},        TagRule{"table", "\n", "\n"},    TagRule{"ul", "\n", "\n"},
    TagRule{"ol", "\n", "\n"},        TagRule{"dl", "\n", "\n"},       TagRule{"dt", "\n", "\n"},
    TagRule{"blockquote", "\n", "\n"}, TagRule{"hr", "\n", "\n"},      TagRule{"h1", "\n", "\n"},
    TagRule{"h2", "\n", "\n"},        TagRule{"h3", "\n", "\n"},       TagRule{"h4", "\n", "\n"},
    TagRule{"h5", "\n", "\n"},        TagRule{"h6", "\n", "\n"},       TagRule{"li", "\n-", "\n"},
    TagRule{"dd", "\n-", "\n"},       TagRule{"td", " ", " "},         TagRule{"script", "", "", true},
    TagRule{"style", "", "", true},   TagRule{"head", "", "", true},
};

constexpr std::array kXdxfRules{
    TagRule{"k", "\n@", ""},    TagRule{"tr", "[", "]"},       TagRule{"pos", "\n*", "\n"},
    TagRule{"gr", "\n*", "\n"},   TagRule{"dtrn", "\n-", "\n"},  TagRule{"ex", "\n=", "\n"},
    TagRule{"def", "\n", "\n"},   TagRule{"blockquote", "\n", "\n"}, TagRule{"br", "\n", ""},
};

struct NamedCharacter {
  std::string_view name;
  char32_t value;
};
constexpr std::array kNamedCharacters{
    NamedCharacter{"amp", U'&'},      NamedCharacter{"lt", U'<'},        NamedCharacter{"gt", U'>'},
    NamedCharacter{"quot", U'"'},     NamedCharacter{"apos", U'\''},     NamedCharacter{"nbsp", U' '},
    NamedCharacter{"ndash", U'\u2013'}, NamedCharacter{"mdash", U'\u2014'}, NamedCharacter{"hellip", U'\u2026'},
    NamedCharacter{"laquo", U'\u00AB'}, NamedCharacter{"raquo", U'\u00BB'}, NamedCharacter{"copy", U'\u00A9'},
};

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The character of a reference "&...;" at the start of `text`, and its
// length; nothing when it is not a reference we know.
bool DecodeReference(std::string_view text, char32_t& value, size_t& length) {
  const size_t end = text.find(';');
  if (end == std::string_view::npos || end < 2 || end > 12) return false;
  const std::string_view body = text.substr(1, end - 1);
  length = end + 1;
  if (body[0] == '#') {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    uint32_t cp = 0;
    for (const char c : digits) {
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) return false;
      cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
      if (cp > 0x10FFFF) return false;
    }
    value = cp == 0 ? U'\uFFFD' : cp;
    return true;
  }
  for (const NamedCharacter& named : kNamedCharacters) {
    if (named.name == body) {
      value = named.value;
      return true;
    }
  }
  return false;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Collects the output line by line: a line that holds only a line mark and
// no text is dropped when the next one starts.
class MarkupWriter {
 public:
  void NewLine() {
    if (!lineHasText_) {
      out_.resize(lineStart_);
    } else {
      while (!out_.empty() && out_.back() == ' ') out_.pop_back();
      out_ += '\n';
    }
    lineStart_ = out_.size();
    lineHasText_ = false;
  }
  void Mark(std::string_view mark) { out_ += mark; }
  void Space() {
    if (lineHasText_ && out_.back() != ' ') out_ += ' ';
  }
  void Text(std::string_view text) {
    out_ += text;
    lineHasText_ = true;
  }
  // Writes a tag's open or close string.
  void Apply(std::string_view action) {
    if (action.starts_with('\n')) {
      NewLine();
      action.remove_prefix(1);
    }
    if (action == " ") {
      Space();
    } else {
      Mark(action);
    }
  }
  std::string Finish() {
    NewLine();
    while (!out_.empty() && out_.back() == '\n') out_.pop_back();
    return std::move(out_);
  }

 private:
  std::string out_;
  size_t lineStart_ = 0;
  bool lineHasText_ = false;
};

const TagRule* FindRule(std::span<const TagRule> rules, std::string_view tag) {
  const auto found = std::find_if(rules.begin(), rules.end(), [&](const TagRule& rule) { return rule.tag == tag; });
  return found == rules.end() ? nullptr : &*found;
}

// Finds "</tag" (any case) from `from`; npos when absent.
size_t FindClosingTag(std::string_view text, std::string_view tag, size_t from) {
  for (size_t at = text.find("</", from); at != std::string_view::npos; at = text.find("</", at + 2)) {
    const std::string_view rest = text.substr(at + 2);
    if (rest.size() < tag.size()) return std::string_view::npos;
    bool same = true;
    for (size_t i = 0; i < tag.size(); ++i) same = same && AsciiLower(rest[i]) == tag[i];
    if (same) return at;
  }
  return std::string_view::npos;
}

}  // namespace

std::string TaggedTextToMarkup(std::string_view text, TagDialect dialect) {
  const std::span<const TagRule> rules =
      dialect == TagDialect::Html ? std::span<const TagRule>(kHtmlRules) : std::span<const TagRule>(kXdxfRules);
  const bool keepBreaks = dialect == TagDialect::Xdxf;
  MarkupWriter writer;
  size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '<') {
      if (text.substr(at).starts_with("<!--")) {
        const size_t end = text.find("-->", at + 4);
        at = end == std::string_view::npos ? text.size() : end + 3;
        continue;
      }
      const size_t end = text.find('>', at);
      if (end == std::string_view::npos) {
        writer.Text("<");
        ++at;
        continue;
      }
      std::string_view inside = text.substr(at + 1, end - at - 1);
      at = end + 1;
      const bool closing = inside.starts_with('/');
      if (closing) inside.remove_prefix(1);
      std::string tag;
      for (const char t : inside) {
        if (IsSpace(t) || t == '/') break;
        tag += AsciiLower(t);
      }
      const TagRule* rule = FindRule(rules, tag);
      if (rule == nullptr) continue;
      if (closing) {
        writer.Apply(rule->close);
        continue;
      }
      writer.Apply(rule->open);
      if (rule->dropContent && !inside.ends_with('/')) {
        const size_t close = FindClosingTag(text, tag, at);
        at = close == std::string_view::npos ? text.size() : close;
      } else if (inside.ends_with('/')) {
        writer.Apply(rule->close);
      }
      continue;
    }
    if (c == '&') {
      char32_t value = 0;
      size_t length = 0;
      if (DecodeReference(text.substr(at), value, length)) {
        std::string utf8;
        AppendUtf8(value, utf8);
        if (value == U' ') {
          writer.Space();
        } else {
          writer.Text(utf8);
        }
        at += length;
        continue;
      }
    }
    if (keepBreaks && c == '\n') {
      writer.NewLine();
      ++at;
      continue;
    }
    if (IsSpace(c)) {
      writer.Space();
      ++at;
      continue;
    }
    const size_t end = std::min(text.find_first_of("<& \t\n\r\f", at + 1), text.size());
    writer.Text(text.substr(at, end - at));
    at = end;
  }
  return writer.Finish();
}

}  // namespace lexorin
