#include "morphology/base_form.h"

#include <string>

#include "morphology/russian_rules.h"

namespace lexorin {
namespace {

// The English stages, tried in order like the Russian rules.
constexpr EndingRule kEnglishStages[] = {
    {u"s d", {kStemAlone}},
    {u"es ed 's", {kStemAlone}},
    {u"ing", {kStemAlone, Plus(u"e")}},
};
static_assert(AllWellFormed(kEnglishStages));

std::optional<size_t> HeadwordIndex(const ExactMatchIndex* index, std::u16string_view candidate) {
  if (index == nullptr || candidate.empty()) return std::nullopt;
  return index->Find(candidate);
}

}  // namespace

BaseFormLists BaseFormLists::Of(const LoadedDictionary* xVietnamese, const LoadedDictionary* second) {
  return {xVietnamese ? &xVietnamese->exactIndex() : nullptr, second ? &second->exactIndex() : nullptr};
}

std::optional<BaseForm> FindBaseForm(std::span<const EndingRule> rules, std::u16string_view word,
                                     const BaseFormLists& lists) {
  if (lists.decisive == nullptr) return std::nullopt;
  const auto found = [&](size_t index, std::u16string_view headword) {
    return BaseForm{index, HeadwordIndex(lists.second, headword)};
  };
  if (const auto index = HeadwordIndex(lists.decisive, word)) return found(*index, word);

  std::u16string candidate;
  for (const EndingRule& rule : rules) {
    const auto stemLength = rule.StemLength(word);
    if (!stemLength) continue;
    for (const CandidateBuilder& builder : rule.builders()) {
      BuildCandidate(builder, word, *stemLength, candidate);
      if (const auto index = HeadwordIndex(lists.decisive, candidate)) return found(*index, candidate);
    }
  }
  return std::nullopt;
}

std::optional<BaseForm> FindRussianBaseForm(std::u16string_view word, const BaseFormLists& lists) {
  return FindBaseForm(RussianRules(), word, lists);
}

std::optional<BaseForm> FindEnglishBaseForm(std::u16string_view word, const BaseFormLists& lists) {
  return FindBaseForm(kEnglishStages, word, lists);
}

}  // namespace lexorin
