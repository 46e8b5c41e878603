// Any bytes as the files of a StarDict dictionary: the first byte picks the
// parser (description, index with 32- or 64-bit offsets, synonyms, article
// with or without a same-type sequence); parsed articles are converted.
#include <cstdint>
#include <string_view>

#include "importers/import_error.h"
#include "importers/stardict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    switch (data[0] % 6) {
      case 0: lexorin::ParseStarDictInfo(bytes, "fuzz.ifo"); break;
      case 1: lexorin::ParseStarDictIndex(bytes, 32, "fuzz.idx"); break;
      case 2: lexorin::ParseStarDictIndex(bytes, 64, "fuzz.idx"); break;
      case 3: lexorin::ParseStarDictSynonyms(bytes, "fuzz.syn"); break;
      case 4:
        lexorin::StarDictFieldsToMarkup(lexorin::SplitStarDictArticle(bytes, {}, "fuzz.dict", 0));
        break;
      default: {
        // The sequence is the text up to the first NUL, the article the rest.
        const size_t end = bytes.find('\0');
        if (end == std::string_view::npos || end == 0 || end > 8) return 0;
        const auto fields = lexorin::SplitStarDictArticle(bytes.substr(end + 1), bytes.substr(0, end), "fuzz.dict", 0);
        if (fields.size() != end) __builtin_trap();
        lexorin::StarDictFieldsToMarkup(fields);
      }
    }
  } catch (const lexorin::ImportError&) {
  }
  return 0;
}
