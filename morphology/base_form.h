#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "dictionary/exact_index.h"
#include "dictionary/loaded_dictionary.h"
#include "morphology/ending_rule.h"

namespace lexorin {

// The lists a base-form finder searches. Only the X-Vietnamese list decides
// whether a candidate is a headword; the second list (Russian-Russian,
// English-English) is consulted for the headword found, so that it can be
// shown there too. Either may be missing (a group that is not loaded).
struct BaseFormLists {
  const ExactMatchIndex* decisive = nullptr;
  const ExactMatchIndex* second = nullptr;

  // The whole-word indexes of two loaded dictionaries (null for one that is
  // not loaded). The dictionaries must outlive the lists.
  static BaseFormLists Of(const LoadedDictionary* xVietnamese, const LoadedDictionary* second);
};

// A base form found: select `index` in the X-Vietnamese word list and show
// it; where `second` is set, select and show it in the second list too;
// where it is not, the second list and its pane keep what they had.
struct BaseForm {
  size_t index = 0;
  std::optional<size_t> second;

  friend bool operator==(const BaseForm&, const BaseForm&) = default;
};

// The word itself when it is a headword (letter case ignored), else the first
// candidate of the rules, in order, that is a headword. A word that is a
// headword is never changed, whatever its ending; the ending tests compare
// letter case exactly. An empty candidate is never a headword: a blank line
// of a headword file names no word. Nothing when no candidate is a headword.
std::optional<BaseForm> FindBaseForm(std::span<const EndingRule> rules, std::u16string_view word,
                                     const BaseFormLists& lists);

// Russian: the ending-replacement rules of the Russian table.
std::optional<BaseForm> FindRussianBaseForm(std::u16string_view word, const BaseFormLists& lists);

// English: three stages tried in order, each whether or not an earlier
// stage's suffix matched: drop a final s or d; drop a final es, ed or 's;
// drop a final ing, then the same with e appended.
std::optional<BaseForm> FindEnglishBaseForm(std::u16string_view word, const BaseFormLists& lists);

}  // namespace lexorin
