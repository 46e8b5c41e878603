#include "importers/stardict.h"

#include <array>
#include <charconv>
#include <string>

#include "dictionary/text_encoding.h"
#include "importers/bracket_text.h"
#include "importers/import_error.h"
#include "importers/tagged_text.h"

namespace lexorin {
namespace {

constexpr std::string_view kIfoFirstLine = "StarDict's dict ifo file";

uint64_t BigEndian(std::string_view bytes, size_t at, size_t width) {
  uint64_t value = 0;
  for (size_t i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

bool ParseNumber(std::string_view text, uint64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// How an article field becomes entry text.
enum class FieldKind { Text, EightBitText, Html, Xdxf };
struct FieldType {
  char type;
  FieldKind kind;
};
constexpr std::array kFieldTypes{
    FieldType{'m', FieldKind::Text},  FieldType{'l', FieldKind::EightBitText}, FieldType{'t', FieldKind::Text},
    FieldType{'y', FieldKind::Text},  FieldType{'w', FieldKind::Text},         FieldType{'k', FieldKind::Html},
    FieldType{'g', FieldKind::Html},  FieldType{'h', FieldKind::Html},         FieldType{'x', FieldKind::Xdxf},
};

std::string EightBitAsUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text += Cp1258ToUtf16(static_cast<unsigned char>(c));
  return Utf16ToUtf8(text);
}

// A NUL-terminated word at `at`; false when no NUL follows.
bool TakeWord(std::string_view bytes, size_t& at, std::string& word) {
  const size_t end = bytes.find('\0', at);
  if (end == std::string_view::npos) return false;
  word = std::string(bytes.substr(at, end - at));
  at = end + 1;
  return true;
}

}  // namespace

StarDictInfo ParseStarDictInfo(std::string_view bytes, const std::filesystem::path& name) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.empty() || lines[0] != kIfoFirstLine) {
    throw ImportError(name, kAtLine, 1, "expected \"" + std::string(kIfoFirstLine) + "\"");
  }
  StarDictInfo info;
  bool haveCount = false;
  std::string offsetBits;
  size_t offsetBitsLine = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    const auto number = [&](std::optional<uint64_t>& target) {
      uint64_t parsed = 0;
      if (!ParseNumber(value, parsed)) throw ImportError(name, kAtLine, i + 1, "bad number for " + std::string(key));
      target = parsed;
    };
    if (key == "version") {
      info.version = value;
    } else if (key == "bookname") {
      info.bookName = value;
    } else if (key == "wordcount") {
      std::optional<uint64_t> count;
      number(count);
      info.wordCount = *count;
      haveCount = true;
    } else if (key == "synwordcount") {
      number(info.synonymCount);
    } else if (key == "idxfilesize") {
      number(info.indexFileSize);
    } else if (key == "idxoffsetbits") {
      offsetBits = value;
      offsetBitsLine = i + 1;
    } else if (key == "sametypesequence") {
      info.sameTypeSequence = value;
    }
  }
  if (!haveCount) throw ImportError(name, kAtLine, lines.size(), "no wordcount line");
  if (!offsetBits.empty()) {
    if (offsetBits == "64" && info.version.starts_with("3.")) {
      info.offsetBits = 64;
    } else if (offsetBits != "32") {
      throw ImportError(name, kAtLine, offsetBitsLine, "offsets of " + offsetBits + " bits in version " + info.version);
    }
  }
  return info;
}

std::vector<StarDictIndexEntry> ParseStarDictIndex(std::string_view bytes, int offsetBits,
                                                   const std::filesystem::path& name) {
  const size_t offsetWidth = offsetBits == 64 ? 8 : 4;
  std::vector<StarDictIndexEntry> entries;
  size_t at = 0;
  while (at < bytes.size()) {
    StarDictIndexEntry entry;
    entry.position = at;
    if (!TakeWord(bytes, at, entry.word)) {
      throw ImportError(name, kAtByte, entry.position,
                        "entry " + std::to_string(entries.size()) + " is cut short in its headword");
    }
    if (bytes.size() - at < offsetWidth + 4) {
      throw ImportError(name, kAtByte, entry.position,
                        "entry " + std::to_string(entries.size()) + " is cut short in its offset and size");
    }
    entry.offset = BigEndian(bytes, at, offsetWidth);
    entry.size = static_cast<uint32_t>(BigEndian(bytes, at + offsetWidth, 4));
    at += offsetWidth + 4;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<StarDictSynonym> ParseStarDictSynonyms(std::string_view bytes, const std::filesystem::path& name) {
  std::vector<StarDictSynonym> synonyms;
  size_t at = 0;
  while (at < bytes.size()) {
    StarDictSynonym synonym;
    synonym.position = at;
    if (!TakeWord(bytes, at, synonym.word) || bytes.size() - at < 4) {
      throw ImportError(name, kAtByte, synonym.position, "synonym " + std::to_string(synonyms.size()) + " is cut short");
    }
    synonym.entry = static_cast<uint32_t>(BigEndian(bytes, at, 4));
    at += 4;
    synonyms.push_back(std::move(synonym));
  }
  return synonyms;
}

std::vector<StarDictField> SplitStarDictArticle(std::string_view article, std::string_view sameTypeSequence,
                                                const std::filesystem::path& name, uint64_t offset) {
  std::vector<StarDictField> fields;
  size_t at = 0;
  const auto cutShort = [&](size_t where) {
    return ImportError(name, kAtByte, offset + where, "a field of the article at byte " + std::to_string(offset) + " is cut short");
  };
  // Reads one field of `type` at `at`; the last of a same-type sequence runs
  // to the end of the article.
  const auto takeField = [&](char type, bool runsToEnd) {
    const size_t start = at;
    if (runsToEnd) {
      fields.push_back({type, article.substr(at)});
      at = article.size();
    } else if (type >= 'a' && type <= 'z') {
      const size_t end = article.find('\0', at);
      if (end == std::string_view::npos) throw cutShort(start);
      fields.push_back({type, article.substr(at, end - at)});
      at = end + 1;
    } else {
      if (article.size() - at < 4) throw cutShort(start);
      const uint64_t size = BigEndian(article, at, 4);
      if (size > article.size() - at - 4) throw cutShort(start);
      fields.push_back({type, article.substr(at + 4, size)});
      at += 4 + size;
    }
  };
  if (!sameTypeSequence.empty()) {
    for (size_t i = 0; i < sameTypeSequence.size(); ++i) {
      takeField(sameTypeSequence[i], i + 1 == sameTypeSequence.size());
    }
    return fields;
  }
  while (at < article.size()) {
    const char type = article[at++];
    takeField(type, false);
  }
  return fields;
}

std::string StarDictFieldsToMarkup(const std::vector<StarDictField>& fields) {
  std::string out;
  for (const StarDictField& field : fields) {
    const FieldType* known = nullptr;
    for (const FieldType& candidate : kFieldTypes) {
      if (candidate.type == field.type) known = &candidate;
    }
    if (known == nullptr) continue;
    std::string text;
    switch (known->kind) {
      case FieldKind::Text:
        text = std::string(field.data);
        std::erase(text, '\0');  // padding after the last field of a same-type sequence
        break;
      case FieldKind::EightBitText: text = EightBitAsUtf8(field.data); break;
      case FieldKind::Html: text = TaggedTextToMarkup(field.data, TagDialect::Html); break;
      case FieldKind::Xdxf: text = TaggedTextToMarkup(field.data, TagDialect::Xdxf); break;
    }
    if (text.empty()) continue;
    if (!out.empty()) out += '\n';
    out += text;
  }
  return out;
}

}  // namespace lexorin
