#include "tools/json.h"

#include <cstdio>

#include "dictionary/text_encoding.h"

namespace lexorin::cli {
namespace {

void AppendEscape(std::string& out, unsigned unit) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", unit);
  out += buffer;
}

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    switch (unit) {
      case u'"': out += "\\\""; continue;
      case u'\\': out += "\\\\"; continue;
      case u'\n': out += "\\n"; continue;
      case u'\r': out += "\\r"; continue;
      case u'\t': out += "\\t"; continue;
      default: break;
    }
    if (unit < 0x20) {
      AppendEscape(out, unit);
    } else if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
      out += Utf16ToUtf8(text.substr(i, 2));
      ++i;
    } else if (IsHigh(unit) || IsLow(unit)) {
      AppendEscape(out, unit);
    } else {
      out += Utf16ToUtf8(text.substr(i, 1));
    }
  }
  out += '"';
  return out;
}

std::string JsonString(std::string_view utf8) { return JsonString(Utf8ToUtf16(utf8)); }

}  // namespace lexorin::cli
