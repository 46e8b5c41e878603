#include "dictionary/headword_list.h"

#include <bit>

#include "dictionary/data_file_error.h"
#include "dictionary/file_bytes.h"
#include "dictionary/text_encoding.h"

namespace lexorin {
namespace {

constexpr char16_t kLineSeparator = u'\u2028';

bool IsLineBreak(char16_t unit) { return unit == u'\r' || unit == u'\n' || unit == kLineSeparator; }

void SwapBytes(std::u16string& text) {
  for (char16_t& unit : text) unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
}

void FromLittleEndian(std::u16string& text) {
  if constexpr (std::endian::native == std::endian::big) SwapBytes(text);
}

std::u16string DecodeEightBit(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return Utf8ToUtf16(bytes);
  std::u16string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(Cp1258ToUtf16(static_cast<unsigned char>(byte)));
  return text;
}

enum class Mark { None, Utf16Le, Utf16Be, Utf8 };

Mark DetectMark(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return Mark::Utf16Le;
  if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') return Mark::Utf16Be;
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return Mark::Utf8;
  return Mark::None;
}

size_t MarkLength(Mark mark) { return mark == Mark::Utf8 ? 3 : mark == Mark::None ? 0 : 2; }

std::u16string Utf16FromBytes(std::string_view bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

}  // namespace

HeadwordList HeadwordList::FromText(std::u16string text) {
  HeadwordList list;
  list.Split(std::move(text), IsLineBreak, u"\r\n\u2028");
  return list;
}

HeadwordList ParseHeadwords(std::string_view bytes) {
  const Mark mark = DetectMark(bytes);
  const std::string_view body = bytes.substr(MarkLength(mark));
  switch (mark) {
    case Mark::Utf16Le:
      return HeadwordList::FromText(Utf16FromBytes(body));
    case Mark::Utf16Be: {
      std::u16string text = Utf16FromBytes(body);
      SwapBytes(text);
      return HeadwordList::FromText(std::move(text));
    }
    case Mark::Utf8:
      return HeadwordList::FromText(Utf8ToUtf16(body));
    case Mark::None:
      break;
  }
  return HeadwordList::FromText(DecodeEightBit(body));
}

HeadwordList LoadHeadwords(const std::filesystem::path& path) {
  const Mark mark = DetectMark(ReadFilePrefix(path, 3));
  if (mark == Mark::Utf16Le || mark == Mark::Utf16Be) {
    // The common case: read the units straight into the buffer that becomes
    // the list's storage.
    std::u16string text;
    ReadWholeFile(path, text, 2);
    if (mark == Mark::Utf16Le) {
      FromLittleEndian(text);
    } else {
      FromLittleEndian(text);
      SwapBytes(text);
    }
    return HeadwordList::FromText(std::move(text));
  }
  std::string bytes;
  ReadWholeFile(path, bytes);
  return ParseHeadwords(bytes);
}

}  // namespace lexorin
