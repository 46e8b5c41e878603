// Any headword list and any word: the base-form finders return an item of the
// list that equals (ignoring case) a candidate, and the anagram index gives
// exactly the results of the plain visit of every headword.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dictionary/exact_index.h"
#include "dictionary/headword_compare.h"
#include "morphology/anagram.h"
#include "morphology/base_form.h"

namespace {

// The first byte picks how the rest becomes text: raw UTF-16 units, or one
// unit per byte from a few Russian and English letters (so that endings,
// repeated letters and rearrangements are common). A line feed separates
// headwords; the last piece is the word looked up.
std::u16string Decode(const uint8_t* data, size_t size) {
  static constexpr std::u16string_view kLetters = u"аеиоуыюяйьлнтсвкмдрбгжзшщчАЮ'esdingo\n";
  std::u16string text;
  if (size == 0) return text;
  if (data[0] & 1) {
    for (size_t i = 1; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  } else {
    for (size_t i = 1; i < size; ++i) text.push_back(kLetters[data[i] % kLetters.size()]);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexorin;
  const std::u16string text = Decode(data, size);
  HeadwordList list;
  size_t start = 0;
  for (size_t end; (end = text.find(u'\n', start)) != std::u16string::npos; start = end + 1) {
    list.push_back(std::u16string_view(text).substr(start, end - start));
  }
  const std::u16string_view word = std::u16string_view(text).substr(start);

  const ExactMatchIndex index(list);
  const BaseFormLists lists{&index, &index};
  for (auto finder : {&FindRussianBaseForm, &FindEnglishBaseForm}) {
    if (const auto found = finder(word, lists)) {
      if (found->index >= list.size() || !found->second || list[found->index].empty()) std::abort();
      if (!HeadwordsEqualIgnoringCase(list[found->index], list[*found->second])) std::abort();
    }
  }
  if (AnagramIndex(list).Find(word) != FindAnagramsByScan(word, list)) std::abort();
  return 0;
}
