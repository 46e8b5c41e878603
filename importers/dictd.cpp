#include "importers/dictd.h"

#include "dictionary/headword_compare.h"
#include "dictionary/radix64.h"
#include "dictionary/text_encoding.h"
#include "importers/bracket_text.h"
#include "importers/import_error.h"

namespace lexorin {
namespace {

// A base-64 number; false for an empty field, a bad digit or a value above
// 2^48 (no article file is that large).
bool DecodeNumber(std::string_view digits, uint64_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  value = 0;
  for (const char c : digits) {
    const size_t digit = kRadix64Digits.find(c);
    if (digit == std::string_view::npos) return false;
    value = value * 64 + digit;
  }
  return true;
}

bool IsAsciiPunctuation(char16_t c) {
  return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') || (c >= u'{' && c <= u'~');
}

// A key or name as the index normalises it: spaces collapsed and, unless
// the database keeps all characters, ASCII punctuation removed. Case is
// compared apart.
std::u16string Normalised(std::u16string_view text, bool keepAll) {
  std::u16string out;
  bool space = false;
  for (const char16_t c : text) {
    if (c == u' ' || c == u'\t') {
      space = !out.empty();
      continue;
    }
    if (!keepAll && IsAsciiPunctuation(c)) continue;
    if (space) out += u' ';
    space = false;
    out += c;
  }
  return out;
}

}  // namespace

std::vector<DictdIndexLine> ParseDictdIndex(std::string_view bytes, const std::filesystem::path& name) {
  std::vector<DictdIndexLine> lines;
  size_t number = 0;
  while (!bytes.empty()) {
    ++number;
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    std::string_view fields[4];
    size_t count = 0;
    while (count < 4) {
      const size_t tab = line.find('\t');
      fields[count++] = line.substr(0, tab);
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    if (count < 3) throw ImportError(name, kAtLine, number, "expected HEADWORD, OFFSET and LENGTH separated by tabs");
    DictdIndexLine entry;
    if (!DecodeNumber(fields[1], entry.offset)) throw ImportError(name, kAtLine, number, "bad offset \"" + std::string(fields[1]) + "\"");
    if (!DecodeNumber(fields[2], entry.length)) throw ImportError(name, kAtLine, number, "bad length \"" + std::string(fields[2]) + "\"");
    if (fields[0].find('\0') != std::string_view::npos) throw ImportError(name, kAtLine, number, "the headword holds a NUL");
    entry.key = DictdTextAsUtf8(fields[0]);
    if (count == 4) entry.original = DictdTextAsUtf8(fields[3]);
    entry.line = number;
    lines.push_back(std::move(entry));
  }
  return lines;
}

bool IsDictdMetadataKey(std::string_view key) { return key.starts_with("00-database-") || key.starts_with("00database"); }

std::u16string DictdDisplayHeadword(std::string_view key, std::string_view article, bool keysKeepAllCharacters) {
  const std::u16string wanted = Normalised(Utf8ToUtf16(key), keysKeepAllCharacters);
  constexpr size_t kMostNames = 16;
  size_t seen = 0;
  for (const std::string_view line : SplitLines(article)) {
    if (line.empty() || line.front() == ' ' || line.front() == '\t' || ++seen > kMostNames) break;
    std::u16string name = Utf8ToUtf16(line);
    while (!name.empty() && (name.back() == u' ' || name.back() == u'\t')) name.pop_back();
    if (HeadwordsEqualIgnoringCase(Normalised(name, keysKeepAllCharacters), wanted)) return name;
  }
  return Utf8ToUtf16(key);
}

std::string DictdTextAsUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
  return Utf16ToUtf8(text);
}

}  // namespace lexorin
