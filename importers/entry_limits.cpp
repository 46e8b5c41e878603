#include "importers/entry_limits.h"

namespace lexorin {

std::string_view HeadwordProblem(std::u16string_view headword) {
  for (const char16_t unit : headword) {
    if (unit == u'\r' || unit == u'\n' || unit == u'\u2028') return "the headword holds a line break";
    if (unit == u'\0') return "the headword holds a NUL character";
  }
  return {};
}

bool FitEntryBody(std::string& body) {
  if (body.size() <= kMaxEntrySize) return false;
  size_t cut = body.rfind('\n', kMaxEntrySize);
  if (cut == std::string::npos || cut == 0) {
    cut = kMaxEntrySize;
    // Step back over continuation bytes to the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(body[cut]) & 0xC0) == 0x80) --cut;
  }
  body.resize(cut);
  return true;
}

}  // namespace lexorin
