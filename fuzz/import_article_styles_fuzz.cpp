// Any bytes as an article of each style. The English-English styles must
// leave every line with its brackets paired, one span at a time.
#include <cstdint>
#include <string>
#include <string_view>

#include "importers/bracket_text.h"
#include "importers/foldoc_style.h"
#include "importers/tagged_text.h"
#include "importers/wordnet_style.h"

namespace {

void CheckBrackets(const std::string& markup) {
  char open = 0;
  for (const char c : markup) {
    if (c == '\n') {
      if (open) __builtin_trap();
    } else if (c == '{' || c == '[') {
      if (open) __builtin_trap();
      open = c == '{' ? '}' : ']';
    } else if (c == '}' || c == ']') {
      if (c != open) __builtin_trap();
      open = 0;
    }
  }
  if (open) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckBrackets(lexorin::FoldocToMarkup(u"word", text));
  CheckBrackets(lexorin::BalanceBrackets(text.substr(0, text.find('\n'))));
  CheckBrackets(lexorin::WordNetToMarkup(u"wo[rd", text));
  lexorin::TaggedTextToMarkup(text, lexorin::TagDialect::Html);
  lexorin::TaggedTextToMarkup(text, lexorin::TagDialect::Xdxf);
  return 0;
}
